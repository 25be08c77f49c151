// The editor's search dialog driven in this process: its two modes, the texts OK
// hands back as typed, and the ways it closes unconfirmed.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "SearchR.h"
#include "SearchR_ids.h"
#include "dialog_test_base.h"

namespace wordsnap::win_test {
namespace {

class SearchDialogTest : public DialogTestBase {
 protected:
  SearchDialogResult Run(bool findMode) {
    const SearchDialogResult result = RunSearchR(nullptr, showing_, findMode);
    EXPECT_FALSE(showing_);
    return result;
  }

  static bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

  bool showing_ = false;
};

TEST_F(SearchDialogTest, EachModeHasItsCaptionAndReplaceBoxAndOkReturnsTheTextsAsTyped) {
  struct Case {
    bool findMode;
    const char* caption;
    bool replaceEnabled;
  };
  for (const Case c : {Case{true, "Find", false}, Case{false, "Search and Replace", true}}) {
    OnDialog(c.caption, [this, c](HWND dialog) {
      EXPECT_TRUE(showing_);
      EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_SEARCHR_FIND));
      EXPECT_EQ(ControlText(dialog, IDC_SEARCHR_LABEL1), "Find");
      EXPECT_EQ(ControlText(dialog, IDC_SEARCHR_LABEL2), "Replace With");
      EXPECT_EQ(Enabled(dialog, IDC_SEARCHR_REPLACE), c.replaceEnabled);
      EXPECT_EQ(Enabled(dialog, IDC_SEARCHR_LABEL2), c.replaceEnabled);
      for (int box : {IDC_SEARCHR_FIND, IDC_SEARCHR_REPLACE})
        EXPECT_EQ(SendDlgItemMessageA(dialog, box, EM_GETLIMITTEXT, 0, 0), 255);
      SetControlText(dialog, IDC_SEARCHR_FIND, " ab ");
      if (c.replaceEnabled) SetControlText(dialog, IDC_SEARCHR_REPLACE, " cd");
      PressButton(dialog, IDOK);
    });
    const SearchDialogResult result = Run(c.findMode);
    EXPECT_TRUE(result.confirmed) << c.caption;
    EXPECT_EQ(result.findText, " ab ");
    EXPECT_EQ(result.replaceText, c.replaceEnabled ? " cd" : "");
  }
}

TEST_F(SearchDialogTest, AnEmptyFindTextCancelAndTheCloseButtonLeaveItUnconfirmed) {
  OnDialog("Search and Replace", [](HWND dialog) {
    SetControlText(dialog, IDC_SEARCHR_REPLACE, "cd");
    PressButton(dialog, IDOK);
  });
  EXPECT_FALSE(Run(false).confirmed);
  OnDialog("Find", [](HWND dialog) {
    SetControlText(dialog, IDC_SEARCHR_FIND, "ab");
    PressButton(dialog, IDCANCEL);
  });
  EXPECT_FALSE(Run(true).confirmed);
  OnDialog("Find", [](HWND dialog) {
    SetControlText(dialog, IDC_SEARCHR_FIND, "ab");
    SendMessageA(dialog, WM_CLOSE, 0, 0);
  });
  EXPECT_FALSE(Run(true).confirmed);
  EXPECT_TRUE(messages_.empty());
}

}  // namespace
}  // namespace wordsnap::win_test
