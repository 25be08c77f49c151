// The editor's spell check and the dictionary maintenance dialog, driven in this
// process through their buttons, with the spelling library and the word lists
// the build makes: suggestions, Replace, Ignore, Add and Abort, the automatic
// changes, the British notice, and a user list shown, changed and written.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "DictionaryMaintenance.h"
#include "DictionaryMaintenance_ids.h"
#include "HKMod.h"
#include "HKMod_ids.h"
#include "SpellingSuggestions_ids.h"
#include "core/spell_check/spelling_files_of_app.h"
#include "core/spell_check/user_word_lists.h"
#include "dialog_test_base.h"
#include "platform/win32/win32_spelling_host.h"

namespace wordsnap::win_test {
namespace {

std::string FolderOfThisProgram() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string program(path);
  return program.substr(0, program.find_last_of('\\'));
}

std::vector<std::string> ListRows(HWND dialog, int id) {
  std::vector<std::string> rows;
  HWND list = GetDlgItem(dialog, id);
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (int row = 0; row < count; ++row) {
    char text[256] = {};
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    rows.emplace_back(text);
  }
  return rows;
}

LRESULT Selected(HWND dialog, int id) { return SendDlgItemMessageA(dialog, id, LB_GETCURSEL, 0, 0); }

class SpellingDialogsTest : public DialogTestBase {
 protected:
  void SetUp() override {
    DialogTestBase::SetUp();
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    app_.programDir = FolderOfThisProgram();  // the word lists are copied beside the tests
    app_.userFilesDir = std::string(temp) + "wordsnap-spelling-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(app_.userFilesDir.c_str(), nullptr);
    RemoveUserLists();
  }
  void TearDown() override {
    DialogTestBase::TearDown();
    RemoveUserLists();
    RemoveDirectoryA(app_.userFilesDir.c_str());
  }
  void RemoveUserLists() {
    for (const char* name : {"IncEngl.tlx", "ExcEngl.tlx", "IncBrit.tlx", "ExcBrit.tlx"})
      DeleteFileA((app_.userFilesDir + "\\" + name).c_str());
  }
  void UseBritish() {
    app_.settings.americanDictionary = false;
    app_.spellingLists = UserListNamesFor(false);
  }

  // Opens the editor with `text` in its memo, runs the spell check from its menu
  // while `steps` answer the dialogs, and returns the memo's text afterwards.
  std::string SpellCheck(const std::string& text, const std::vector<DialogStep>& steps) {
    std::string after;
    OnDialog("Modify Keys", [&](HWND editor) {
      SetControlText(editor, IDC_HKMOD_NEWFORMAT, text);
      for (const DialogStep& step : steps) OnDialog("Spelling Suggestions", step);
      ChooseCommand(editor, IDM_HKMOD_SPELL);
      after = ControlText(editor, IDC_HKMOD_NEWFORMAT);
      PressButton(editor, IDCANCEL);
    });
    RunHKMod(nullptr, app_.dialogs.modHotKeys, app_, false);
    EXPECT_FALSE(app_.dialogs.spellSuggestions);
    return after;
  }

  std::string UserList(const char* name) const { return app_.userFilesDir + "\\" + name; }

  AppState app_;
  Win32SpellingHost host_;
};

TEST_F(SpellingDialogsTest, ASuggestionReplacesTheWordAndCommonMisspellingsChangeWithoutAsking) {
  const std::string after = SpellCheck("Thier quikc brown fox", {[this](HWND dialog) {
    EXPECT_TRUE(app_.dialogs.spellSuggestions);
    EXPECT_EQ(ControlText(dialog, IDC_SPELLSUG_NOTICE),
              "The following word was not found in the American dictionary.  Suggestions are listed below.");
    EXPECT_EQ(ControlText(dialog, IDC_SPELLSUG_WORD), "quikc");
    const std::vector<std::string> rows = ListRows(dialog, IDC_SPELLSUG_LIST);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), "quick");
    EXPECT_EQ(Selected(dialog, IDC_SPELLSUG_LIST), 0);
    PressButton(dialog, IDC_SPELLSUG_REPLACE);
  }});
  EXPECT_EQ(after, "Their quick brown fox");
  EXPECT_EQ(messages_, std::vector<std::string>{"Spelling Status: Spell checking complete."});

  messages_.clear();
  EXPECT_EQ(SpellCheck("The quick brown fox.", {}), "The quick brown fox.");
  EXPECT_EQ(messages_, std::vector<std::string>{"Spelling Ok: All words were found in the dictionary."});
}

TEST_F(SpellingDialogsTest, ReplaceWithNothingChosenAsksAgainAndAbortKeepsWhatWasDone) {
  const std::string after = SpellCheck("Thier quikc fox jumpd", {[this](HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_SPELLSUG_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    PressButton(dialog, IDC_SPELLSUG_REPLACE);  // refused: the dialog stays
    EXPECT_EQ(messages_, std::vector<std::string>{
                             "Error: No replacement word has been selected.  Please choose a replacement first."});
    PressButton(dialog, IDC_SPELLSUG_ABORT);
  }});
  EXPECT_EQ(after, "Their quikc fox jumpd");
  EXPECT_EQ(messages_.back(), "Spelling Status: Spell checking aborted.");
}

TEST_F(SpellingDialogsTest, AddPutsTheWordInTheUserListAndTheBritishNoticeNamesItsDictionary) {
  UseBritish();
  SpellCheck("quikc colour", {[](HWND dialog) {
    EXPECT_EQ(ControlText(dialog, IDC_SPELLSUG_NOTICE),
              "The following word was not found in the British dictionary.  Suggestions are listed below.");
    PressButton(dialog, IDC_SPELLSUG_ADD);
  }});
  EXPECT_EQ(ReadUserList(host_, UserList("IncBrit.tlx")), std::vector<std::string>{"quikc"});
  EXPECT_EQ(GetFileAttributesA(UserList("IncEngl.tlx").c_str()), INVALID_FILE_ATTRIBUTES);

  messages_.clear();
  SpellCheck("quikc colour", {});
  EXPECT_EQ(messages_, std::vector<std::string>{"Spelling Ok: All words were found in the dictionary."});
}

TEST_F(SpellingDialogsTest, MaintenanceShowsAddsDeletesAndWritesExactlyTheRows) {
  ASSERT_TRUE(WriteUserList(host_, UserList("ExcEngl.tlx"), kInvalidWordsList, 1033, {"alot", "irregardless", "thru"}));
  OnDialog("Dictionary Maintenance", [this](HWND dialog) {
    EXPECT_TRUE(app_.dialogs.myEditBox);
    EXPECT_EQ(ControlText(dialog, IDC_EDITBOX_HEAD),
              "These words will be excluded from the  American dictionary and will be invalid.");
    EXPECT_EQ(ListRows(dialog, IDC_EDITBOX_LIST), (std::vector<std::string>{"alot", "irregardless", "thru"}));
    EXPECT_EQ(Selected(dialog, IDC_EDITBOX_LIST), 0);
    SendDlgItemMessageA(dialog, IDC_EDITBOX_LIST, LB_SETCURSEL, 2, 0);
    PressButton(dialog, IDC_EDITBOX_DELETE);  // the last row: the new last is selected
    EXPECT_EQ(Selected(dialog, IDC_EDITBOX_LIST), 1);
    SetControlText(dialog, IDC_EDITBOX_ADDINFO, "  anyways ");
    PressButton(dialog, IDC_EDITBOX_ADD);
    SetControlText(dialog, IDC_EDITBOX_ADDINFO, "   ");
    PressButton(dialog, IDC_EDITBOX_ADD);  // only blanks: nothing added
    EXPECT_EQ(ControlText(dialog, IDC_EDITBOX_ADDINFO), "");
    EXPECT_EQ(ListRows(dialog, IDC_EDITBOX_LIST), (std::vector<std::string>{"alot", "irregardless", "anyways"}));
    PressButton(dialog, IDOK);
  });
  RunDictionaryMaintenance(nullptr, app_.dialogs.myEditBox, host_, SpellingFilesOf(app_), UserListMode::InvalidWords);
  EXPECT_FALSE(app_.dialogs.myEditBox);
  EXPECT_EQ(ReadUserList(host_, UserList("ExcEngl.tlx")),
            (std::vector<std::string>{"alot", "irregardless", "anyways"}));

  // The list of valid words has no file yet: shown empty, nothing selected; deleting
  // its only row leaves none selected; Cancel writes nothing.
  OnDialog("Dictionary Maintenance", [](HWND dialog) {
    EXPECT_EQ(ControlText(dialog, IDC_EDITBOX_HEAD),
              "These words will be added to the American dictionary and counted as valid.");
    EXPECT_TRUE(ListRows(dialog, IDC_EDITBOX_LIST).empty());
    EXPECT_EQ(Selected(dialog, IDC_EDITBOX_LIST), LB_ERR);
    SetControlText(dialog, IDC_EDITBOX_ADDINFO, "Wordsnap");
    PressButton(dialog, IDC_EDITBOX_ADD);
    SendDlgItemMessageA(dialog, IDC_EDITBOX_LIST, LB_SETCURSEL, 0, 0);
    PressButton(dialog, IDC_EDITBOX_DELETE);
    EXPECT_EQ(Selected(dialog, IDC_EDITBOX_LIST), LB_ERR);
    SetControlText(dialog, IDC_EDITBOX_ADDINFO, "zorp");
    PressButton(dialog, IDC_EDITBOX_ADD);
    PressButton(dialog, IDCANCEL);
  });
  RunDictionaryMaintenance(nullptr, app_.dialogs.myEditBox, host_, SpellingFilesOf(app_), UserListMode::ValidWords);
  EXPECT_EQ(GetFileAttributesA(UserList("IncEngl.tlx").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace wordsnap::win_test
