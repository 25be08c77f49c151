// The editor's tools driven in this process through its buttons and menu
// commands: a symbol inserted at the caret, the options dialog writing the
// working record and the menu checks, Find and Find Again walking the memo, and
// Search and Replace with its count.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "HKMod.h"
#include "HKMod_ids.h"
#include "SearchR_ids.h"
#include "SnapOptions_ids.h"
#include "SymbolPicker_ids.h"
#include "dialog_test_base.h"

namespace wordsnap::win_test {
namespace {

class EditorToolsTest : public DialogTestBase {
 protected:
  bool Run(bool editMode) {
    const bool updated = RunHKMod(nullptr, app_.dialogs.modHotKeys, app_, editMode);
    EXPECT_FALSE(app_.dialogs.doSpecial);
    EXPECT_FALSE(app_.dialogs.doSearch);
    EXPECT_FALSE(app_.dialogs.snapOptions);
    return updated;
  }

  void Editor(DialogStep step) { OnDialog("Modify Keys", std::move(step)); }

  static std::pair<DWORD, DWORD> Selection(HWND editor) {
    DWORD start = 0, end = 0;
    SendDlgItemMessageA(editor, IDC_HKMOD_NEWFORMAT, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                        reinterpret_cast<LPARAM>(&end));
    return {start, end};
  }

  static void SetMemo(HWND editor, const std::string& text) { SetControlText(editor, IDC_HKMOD_NEWFORMAT, text); }

  // The find dialog's answer: `text` typed, then OK.
  void FindAnswers(const std::string& text) {
    OnDialog("Find", [this, text](HWND find) {
      EXPECT_TRUE(app_.dialogs.doSearch);
      EXPECT_FALSE(IsWindowEnabled(GetDlgItem(find, IDC_SEARCHR_REPLACE)));
      SetControlText(find, IDC_SEARCHR_FIND, text);
      PressButton(find, IDOK);
    });
  }

  void ReplaceAnswers(const std::string& find, const std::string& replace) {
    OnDialog("Search and Replace", [find, replace](HWND dialog) {
      EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_SEARCHR_REPLACE)));
      SetControlText(dialog, IDC_SEARCHR_FIND, find);
      SetControlText(dialog, IDC_SEARCHR_REPLACE, replace);
      PressButton(dialog, IDOK);
    });
  }

  AppState app_;
};

TEST_F(EditorToolsTest, SymbolsGoInAtTheCaretWhenTheyFit) {
  Editor([this](HWND editor) {
    HWND memo = GetDlgItem(editor, IDC_HKMOD_NEWFORMAT);
    SetMemo(editor, "ab");
    SendMessageA(memo, EM_SETSEL, 1, 1);
    OnDialog("Insert Symbol", [this](HWND picker) {
      EXPECT_TRUE(app_.dialogs.doSpecial);
      SendDlgItemMessageA(picker, IDC_SPECIAL_GRID, WM_KEYDOWN, VK_RIGHT, 0);
      PressButton(picker, IDOK);
    });
    PressButton(editor, IDC_HKMOD_SYMBOLS);
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_NEWFORMAT), "a\x88" "b");
    EXPECT_EQ(Selection(editor), (std::pair<DWORD, DWORD>{2, 2}));

    // Cancel, from the menu item: nothing inserted, the caret where it was.
    OnDialog("Insert Symbol", [](HWND picker) { PressButton(picker, IDCANCEL); });
    ChooseCommand(editor, IDM_HKMOD_SYMBOL);
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_NEWFORMAT), "a\x88" "b");
    EXPECT_EQ(Selection(editor), (std::pair<DWORD, DWORD>{2, 2}));
    EXPECT_TRUE(messages_.empty());

    // A full memo refuses the character.
    const std::string full(5000, 'x');
    SetMemo(editor, full);
    OnDialog("Insert Symbol", [](HWND picker) { PressButton(picker, IDOK); });
    ChooseCommand(editor, IDM_HKMOD_SYMBOL);
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_NEWFORMAT), full);
    PressButton(editor, IDCANCEL);
  });
  Run(false);
  EXPECT_EQ(messages_, (std::vector<std::string>{"Error: Text exceeds maximum length.  Text not added."}));
}

TEST_F(EditorToolsTest, OptionsWriteTheWorkingRecordAndTheMenuChecksOnOkOnly) {
  app_.settings.clipSetting = kClipIndividual;
  WordsnapRecord& record = app_.store.current.Record;
  record.Name = "sig";
  record.ReplacementText = "Regards";
  record.ViaClipboard = 1;
  record.CaseRule = kCaseExact;
  record.KeyDelay = 40;
  Editor([this](HWND editor) {
    OnDialog("Wordsnap Options", [this](HWND options) {
      EXPECT_TRUE(app_.dialogs.snapOptions);
      EXPECT_EQ(IsDlgButtonChecked(options, IDC_SNAPOPTIONS_CASESENSE), BST_CHECKED);
      EXPECT_EQ(IsDlgButtonChecked(options, IDC_SNAPOPTIONS_CLIPBOARD), BST_CHECKED);
      EXPECT_EQ(ControlText(options, IDC_SNAPOPTIONS_SECONDS), "40");
      PressButton(options, IDC_SNAPOPTIONS_KEYBOARD);
      PressButton(options, IDC_SNAPOPTIONS_CASEMATCH);
      SetControlText(options, IDC_SNAPOPTIONS_SECONDS, "120");
      PressButton(options, IDOK);
    });
    PressButton(editor, IDC_HKMOD_OPTIONS);
    EXPECT_TRUE(MenuItemChecked(editor, IDM_HKMOD_VIA_KEYBOARD));
    EXPECT_FALSE(MenuItemChecked(editor, IDM_HKMOD_VIA_CLIPBOARD));
    EXPECT_TRUE(MenuItemChecked(editor, IDM_HKMOD_CASE_FIRST));
    EXPECT_FALSE(MenuItemChecked(editor, IDM_HKMOD_CASE_EXACT));
    EXPECT_FALSE(MenuItemChecked(editor, IDM_HKMOD_CASE_NONE));

    // Cancel after changing everything: the menu stays as it was.
    OnDialog("Wordsnap Options", [](HWND options) {
      EXPECT_EQ(IsDlgButtonChecked(options, IDC_SNAPOPTIONS_KEYBOARD), BST_CHECKED);
      EXPECT_EQ(ControlText(options, IDC_SNAPOPTIONS_SECONDS), "120");
      PressButton(options, IDC_SNAPOPTIONS_CLIPBOARD);
      PressButton(options, IDC_SNAPOPTIONS_CASENONE);
      PressButton(options, IDCANCEL);
    });
    PressButton(editor, IDC_HKMOD_OPTIONS);
    EXPECT_TRUE(MenuItemChecked(editor, IDM_HKMOD_VIA_KEYBOARD));
    EXPECT_TRUE(MenuItemChecked(editor, IDM_HKMOD_CASE_FIRST));
    PressButton(editor, IDC_HKMOD_UPDATE);
  });
  EXPECT_TRUE(Run(true));
  EXPECT_EQ(record.ViaClipboard, 0);
  EXPECT_EQ(record.CaseRule, kCaseFirstCharacter);
  EXPECT_EQ(record.KeyDelay, 120);
}

TEST_F(EditorToolsTest, FindAndFindAgainWalkTheMemoAndStartOverAfterAMiss) {
  using Range = std::pair<DWORD, DWORD>;
  const std::string notFound = "Warning: \"ab\" was not found.";
  Editor([&](HWND editor) {
    // Before any Find there is nothing to look for.
    ChooseCommand(editor, IDM_HKMOD_FIND_AGAIN);
    EXPECT_EQ(messages_, (std::vector<std::string>{"Warning: \"\" was not found."}));
    messages_.clear();

    SetMemo(editor, "xABy ab");
    FindAnswers("ab");
    ChooseCommand(editor, IDM_HKMOD_FIND);
    EXPECT_EQ(Selection(editor), (Range{1, 3}));
    EXPECT_EQ(GetFocus(), GetDlgItem(editor, IDC_HKMOD_NEWFORMAT));
    ChooseCommand(editor, IDM_HKMOD_FIND_AGAIN);
    EXPECT_EQ(Selection(editor), (Range{5, 7}));
    EXPECT_TRUE(messages_.empty());
    ChooseCommand(editor, IDM_HKMOD_FIND_AGAIN);
    EXPECT_EQ(messages_, (std::vector<std::string>{notFound}));
    ChooseCommand(editor, IDM_HKMOD_FIND_AGAIN);
    EXPECT_EQ(Selection(editor), (Range{1, 3}));

    // A new Find starts from the top again; four letters a hold two matches of two.
    SetMemo(editor, "aaaa");
    FindAnswers("AA");
    ChooseCommand(editor, IDM_HKMOD_FIND);
    EXPECT_EQ(Selection(editor), (Range{0, 2}));
    ChooseCommand(editor, IDM_HKMOD_FIND_AGAIN);
    EXPECT_EQ(Selection(editor), (Range{2, 4}));
    ChooseCommand(editor, IDM_HKMOD_FIND_AGAIN);
    EXPECT_EQ(messages_.back(), "Warning: \"AA\" was not found.");

    // A cancelled Find keeps what Find Again looks for.
    OnDialog("Find", [](HWND find) { PressButton(find, IDCANCEL); });
    ChooseCommand(editor, IDM_HKMOD_FIND);
    ChooseCommand(editor, IDM_HKMOD_FIND_AGAIN);
    EXPECT_EQ(Selection(editor), (Range{0, 2}));
    PressButton(editor, IDCANCEL);
  });
  Run(false);
}

TEST_F(EditorToolsTest, SearchAndReplaceRewritesTheWholeMemoAndReportsTheCount) {
  Editor([this](HWND editor) {
    SetMemo(editor, "cat CAT cAt");
    ReplaceAnswers("cat", "Cat");
    ChooseCommand(editor, IDM_HKMOD_REPLACE);
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_NEWFORMAT), "Cat Cat Cat");

    SetMemo(editor, "one cat");
    ReplaceAnswers("cat", "cats and a cat");  // the replacement is not searched again
    ChooseCommand(editor, IDM_HKMOD_REPLACE);
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_NEWFORMAT), "one cats and a cat");

    // Letters above 127 differing only in case are different letters.
    SetMemo(editor, "caf\xe9");
    ReplaceAnswers("CAF\xc9", "x");
    ChooseCommand(editor, IDM_HKMOD_REPLACE);
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_NEWFORMAT), "caf\xe9");

    // With the Ctrl+S accelerator's command, and an empty find text: nothing at all.
    OnDialog("Search and Replace", [](HWND dialog) { PressButton(dialog, IDOK); });
    ChooseCommand(editor, IDM_HKMOD_REPLACE);
    PressButton(editor, IDCANCEL);
  });
  Run(false);
  EXPECT_EQ(messages_, (std::vector<std::string>{"Replaced: \"cat\" was replaced 3 times.",
                                                 "Replaced: \"cat\" was replaced 1 times.",
                                                 "Warning: \"CAF\xc9\" was not found."}));
}

}  // namespace
}  // namespace wordsnap::win_test
