// The Wordsnap editor driven in this process: how it shows in each mode, what
// Update checks and stores, its menus, and the edit commands on the focused box.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "DTime_ids.h"
#include "HKMod.h"
#include "HKMod_ids.h"
#include "SymbolPicker_ids.h"
#include "dialog_test_base.h"
#include "font_charset.h"

namespace wordsnap::win_test {
namespace {

class EditorTest : public DialogTestBase {
 protected:
  bool Run(bool editMode) {
    const bool updated = RunHKMod(nullptr, app_.dialogs.modHotKeys, app_, editMode);
    EXPECT_FALSE(app_.dialogs.modHotKeys);
    return updated;
  }

  void Editor(DialogStep step) { OnDialog("Modify Keys", std::move(step)); }

  void LoadBuffer(const std::string& name, const std::string& text) {
    WordsnapRecord& record = app_.store.current.Record;
    record.Name = name;
    record.ReplacementText = text;
    record.Active = 0;
    record.ViaClipboard = 1;
    record.CaseRule = kCaseExact;
    record.KeyDelay = 40;
    app_.store.current.RecordNo = 7;
  }

  AppState app_;
};

TEST_F(EditorTest, NewModeStartsFromTheSettingsWithEveryToolAvailable) {
  struct Case {
    std::int32_t clipSetting;
    std::int32_t caseSensative;
    int checkedVia;
    bool viaChoosable;
    int checkedCase;
  };
  const Case cases[] = {
      {kClipIndividual, kCaseFirstCharacter, IDM_HKMOD_VIA_CLIPBOARD, true, IDM_HKMOD_CASE_FIRST},
      {kClipClipboardForAll, kCaseExact, IDM_HKMOD_VIA_CLIPBOARD, false, IDM_HKMOD_CASE_EXACT},
      {kClipKeyboardForAll, kCaseNone, IDM_HKMOD_VIA_KEYBOARD, false, IDM_HKMOD_CASE_NONE},
  };
  for (const Case& c : cases) {
    app_.settings.clipSetting = c.clipSetting;
    app_.settings.caseSensative = c.caseSensative;
    Editor([&](HWND editor) {
      EXPECT_TRUE(app_.dialogs.modHotKeys);
      EXPECT_EQ(GetFocus(), GetDlgItem(editor, IDC_HKMOD_ORIGKEYS));
      EXPECT_EQ(ControlText(editor, IDC_HKMOD_ORIGKEYS), "");
      for (int via : {IDM_HKMOD_VIA_KEYBOARD, IDM_HKMOD_VIA_CLIPBOARD}) {
        EXPECT_EQ(MenuItemChecked(editor, via), via == c.checkedVia) << c.clipSetting;
        EXPECT_EQ(MenuItemEnabled(editor, via), c.viaChoosable) << c.clipSetting;
      }
      for (int item : {IDM_HKMOD_CASE_FIRST, IDM_HKMOD_CASE_EXACT, IDM_HKMOD_CASE_NONE})
        EXPECT_EQ(MenuItemChecked(editor, item), item == c.checkedCase) << c.caseSensative;
      for (int tool : {IDM_HKMOD_SPELL, IDM_HKMOD_FIND, IDM_HKMOD_FIND_AGAIN, IDM_HKMOD_REPLACE, IDM_HKMOD_SYMBOL,
                       IDM_HKMOD_DATE, IDM_HKMOD_TIME})
        EXPECT_TRUE(MenuItemEnabled(editor, tool)) << tool;
      for (int tool : {IDC_HKMOD_OPTIONS, IDC_HKMOD_SYMBOLS, IDC_HKMOD_DATE, IDC_HKMOD_TIME})
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(editor, tool))) << tool;
      PressButton(editor, IDCANCEL);
    });
    EXPECT_FALSE(Run(false));
  }
}

TEST_F(EditorTest, UpdateRefusesEmptyAndInvalidNamesAndStaysOpen) {
  app_.store.recordCount = 3;
  Editor([&](HWND editor) {
    SetControlText(editor, IDC_HKMOD_NEWFORMAT, "Regards");
    const char* refused[] = {"   ", "si g", "a:b", "x~"};
    for (const char* name : refused) {
      SetControlText(editor, IDC_HKMOD_ORIGKEYS, name);
      PressButton(editor, IDC_HKMOD_UPDATE);
      EXPECT_TRUE(IsWindow(editor));
      EXPECT_EQ(GetFocus(), GetDlgItem(editor, IDC_HKMOD_ORIGKEYS)) << name;
    }
    SetControlText(editor, IDC_HKMOD_ORIGKEYS, " o'k ");
    PressButton(editor, IDC_HKMOD_UPDATE);
  });
  EXPECT_TRUE(Run(false));
  const std::string invalid =
      "Error: The Original Keys has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 and ' ! @ # "
      "$ % ^ & _ = < > ? . ; , * - / +";
  EXPECT_EQ(messages_, (std::vector<std::string>{"Error: No Wordsnap name entered.  Please correct.", invalid,
                                                 invalid, invalid}));
  EXPECT_EQ(app_.store.current.Record.Name, "o'k");
  EXPECT_EQ(app_.store.current.Record.ReplacementText, "Regards");
  EXPECT_EQ(app_.store.current.Record.Active, 1);
  EXPECT_EQ(app_.store.recordCount, 4);
}

TEST_F(EditorTest, EditModeShowsTheBufferAndKeepsWhatTheUserDoesNotChange) {
  LoadBuffer("sig", "Regards");
  app_.store.current.Record.CaseRule = 7;  // not a rule any item stands for
  Editor([](HWND editor) {
    EXPECT_EQ(GetFocus(), GetDlgItem(editor, IDC_HKMOD_NEWFORMAT));
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_ORIGKEYS), "sig");
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_NEWFORMAT), "Regards");
    EXPECT_TRUE(MenuItemChecked(editor, IDM_HKMOD_CASE_NONE));
    EXPECT_TRUE(MenuItemChecked(editor, IDM_HKMOD_VIA_CLIPBOARD));
    PressButton(editor, IDC_HKMOD_UPDATE);
  });
  EXPECT_TRUE(Run(true));
  const WordsnapRecord& r = app_.store.current.Record;
  EXPECT_EQ(r.CaseRule, 7);
  EXPECT_EQ(r.Active, 0);
  EXPECT_EQ(r.KeyDelay, 40);
  EXPECT_EQ(app_.store.current.RecordNo, 7);
  EXPECT_TRUE(messages_.empty());
}

// Playback sends only a 1 through the clipboard: the menu shows any other stored
// value as the keyboard, and Update keeps the value the user did not change.
TEST_F(EditorTest, TheViaItemsShowTheSendMethodPlaybackUses) {
  app_.settings.clipSetting = kClipIndividual;
  const std::pair<std::uint8_t, int> cases[] = {
      {0, IDM_HKMOD_VIA_KEYBOARD}, {1, IDM_HKMOD_VIA_CLIPBOARD}, {2, IDM_HKMOD_VIA_KEYBOARD},
      {255, IDM_HKMOD_VIA_KEYBOARD}};
  for (const auto& [stored, checked] : cases) {
    LoadBuffer("sig", "Regards");
    app_.store.current.Record.ViaClipboard = stored;
    Editor([checked](HWND editor) {
      for (int via : {IDM_HKMOD_VIA_KEYBOARD, IDM_HKMOD_VIA_CLIPBOARD})
        EXPECT_EQ(MenuItemChecked(editor, via), via == checked) << via;
      PressButton(editor, IDC_HKMOD_UPDATE);
    });
    EXPECT_TRUE(Run(true));
    EXPECT_EQ(app_.store.current.Record.ViaClipboard, stored);
  }
}

TEST_F(EditorTest, MenuChoicesAreStoredAndCancelStoresNothing) {
  app_.settings.clipSetting = kClipIndividual;
  LoadBuffer("sig", "Regards");
  Editor([](HWND editor) {
    ChooseCommand(editor, IDM_HKMOD_VIA_KEYBOARD);
    ChooseCommand(editor, IDM_HKMOD_CASE_FIRST);
    EXPECT_TRUE(MenuItemChecked(editor, IDM_HKMOD_VIA_KEYBOARD));
    EXPECT_FALSE(MenuItemChecked(editor, IDM_HKMOD_VIA_CLIPBOARD));
    EXPECT_TRUE(MenuItemChecked(editor, IDM_HKMOD_CASE_FIRST));
    EXPECT_FALSE(MenuItemChecked(editor, IDM_HKMOD_CASE_EXACT));
    SetControlText(editor, IDC_HKMOD_ORIGKEYS, "other");
    ChooseCommand(editor, IDM_HKMOD_EXIT);
  });
  const WordsnapRecord before = app_.store.current.Record;
  EXPECT_FALSE(Run(true));
  EXPECT_EQ(app_.store.current.Record, before);

  Editor([](HWND editor) {
    ChooseCommand(editor, IDM_HKMOD_VIA_KEYBOARD);
    ChooseCommand(editor, IDM_HKMOD_CASE_FIRST);
    PressButton(editor, IDC_HKMOD_UPDATE);
  });
  EXPECT_TRUE(Run(true));
  EXPECT_EQ(app_.store.current.Record.ViaClipboard, 0);
  EXPECT_EQ(app_.store.current.Record.CaseRule, kCaseFirstCharacter);
}

TEST_F(EditorTest, TextBeyond3000CharactersIsCutWithAMessage) {
  for (std::size_t length : {3000u, 3001u}) {
    messages_.clear();
    const std::string text(length, 'x');
    Editor([text](HWND editor) {
      SetControlText(editor, IDC_HKMOD_ORIGKEYS, "long");
      SetControlText(editor, IDC_HKMOD_NEWFORMAT, text);
      PressButton(editor, IDC_HKMOD_UPDATE);
    });
    EXPECT_TRUE(Run(false));
    EXPECT_EQ(app_.store.current.Record.ReplacementText, std::string(3000, 'x'));
    EXPECT_EQ(messages_.size(), length == 3001u ? 1u : 0u);
  }
  EXPECT_EQ(messages_.front(),
            "Error: The size of the replacement keys exceeds the 3,000 character limit.  The replacement keys will be "
            "truncated to 3,000 characters.");
}

TEST_F(EditorTest, EditCommandsActOnTheFocusedBoxOnly) {
  Editor([](HWND editor) {
    HWND name = GetDlgItem(editor, IDC_HKMOD_ORIGKEYS);
    HWND memo = GetDlgItem(editor, IDC_HKMOD_NEWFORMAT);
    SetWindowTextA(name, "sigxx");
    SetWindowTextA(memo, "Regards");

    SetFocus(name);
    SendMessageA(name, EM_SETSEL, 3, 5);
    ChooseCommand(editor, IDM_HKMOD_CUT);
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_ORIGKEYS), "sig");

    SetFocus(memo);
    SendMessageA(memo, EM_SETSEL, 0, 0);
    ChooseCommand(editor, IDM_HKMOD_PASTE);
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_NEWFORMAT), "xxRegards");
    SendMessageA(memo, EM_SETSEL, 0, 2);
    ChooseCommand(editor, IDM_HKMOD_DELETE);
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_NEWFORMAT), "Regards");
    SendMessageA(memo, EM_SETSEL, 0, 4);
    ChooseCommand(editor, IDM_HKMOD_COPY);

    // With a button focused, nothing is pasted anywhere.
    SetFocus(GetDlgItem(editor, IDC_HKMOD_UPDATE));
    ChooseCommand(editor, IDM_HKMOD_PASTE);
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_ORIGKEYS), "sig");
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_NEWFORMAT), "Regards");

    SetFocus(name);
    SendMessageA(name, EM_SETSEL, 3, 3);
    ChooseCommand(editor, IDM_HKMOD_PASTE);
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_ORIGKEYS), "sigRega");
    PressButton(editor, IDCANCEL);
  });
  Run(false);
}

TEST_F(EditorTest, InsertionGoesBeforeTheSelectionAndRespectsTheLimit) {
  Editor([this](HWND editor) {
    HWND memo = GetDlgItem(editor, IDC_HKMOD_NEWFORMAT);
    SetWindowTextA(memo, "Dear\r\nSir");
    SendMessageA(memo, EM_SETSEL, 6, 9);  // "Sir", after a line break that counts as two
    ASSERT_TRUE(CheckSize(editor, 8));
    SetIt(editor, "<Date{}>");
    EXPECT_EQ(ControlText(editor, IDC_HKMOD_NEWFORMAT), "Dear\r\n<Date{}>Sir");
    DWORD start = 0, end = 0;
    SendMessageA(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 14u);
    EXPECT_EQ(end, 14u);
    EXPECT_EQ(GetFocus(), memo);

    SetWindowTextA(memo, std::string(4990, 'x').c_str());
    EXPECT_TRUE(messages_.empty());
    EXPECT_FALSE(CheckSize(editor, 12));
    EXPECT_EQ(messages_, (std::vector<std::string>{"Error: Text exceeds maximum length.  Text not added."}));
    EXPECT_TRUE(CheckSize(editor, 10));
    PressButton(editor, IDCANCEL);
  });
  Run(false);
}

// The symbol grid shows each code as the memo it goes into shows it, and the
// headings of the editor and of its date picker are the same 20-pixel Arial.
TEST_F(EditorTest, TheSymbolGridAndTheHeadingsDrawInTheMemosCharacterSet) {
  Editor([this](HWND editor) {
    const FontCharset memo = CharsetOf(GetDlgItem(editor, IDC_HKMOD_NEWFORMAT));
    HWND heading = GetDlgItem(editor, IDC_HKMOD_LABEL2);
    EXPECT_EQ(CharsetOf(heading), memo);
    EXPECT_EQ(LogFontOf(heading).lfHeight, -20);
    OnDialog("Insert Symbol", [&memo](HWND picker) {
      EXPECT_EQ(CharsetOf(GetDlgItem(picker, IDC_SPECIAL_GRID)), memo);
      PressButton(picker, IDCANCEL);
    });
    ChooseCommand(editor, IDM_HKMOD_SYMBOL);
    OnDialog("Dates", [&memo, heading](HWND picker) {
      HWND title = GetDlgItem(picker, IDC_DTIME_TITLE);
      EXPECT_EQ(CharsetOf(title), memo);
      EXPECT_EQ(LogFontOf(title).lfHeight, LogFontOf(heading).lfHeight);
      PressButton(picker, IDCANCEL);
    });
    ChooseCommand(editor, IDM_HKMOD_DATE);
    PressButton(editor, IDCANCEL);
  });
  EXPECT_FALSE(Run(false));
}

}  // namespace
}  // namespace wordsnap::win_test
