// The "Wordsnap Options" dialog driven in this process: how it opens on the
// editor's values, which controls it enables, what OK writes and Cancel does not.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "SnapOptions.h"
#include "SnapOptions_ids.h"
#include "core/case_rule.h"
#include "core/settings/settings.h"
#include "dialog_test_base.h"

namespace wordsnap::win_test {
namespace {

constexpr char kCaption[] = "Wordsnap Options";

class SnapOptionsDialogTest : public DialogTestBase {
 protected:
  bool Run(std::int32_t clipSetting) {
    const bool confirmed = RunSnapOptions(nullptr, showing_, working_, clipSetting);
    EXPECT_FALSE(showing_);
    return confirmed;
  }

  void Working(std::uint8_t viaClipboard, std::int16_t caseRule, std::uint16_t keyDelay) {
    working_.ViaClipboard = viaClipboard;
    working_.CaseRule = caseRule;
    working_.KeyDelay = keyDelay;
  }

  static bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
  static bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

  WordsnapRecord working_;
  bool showing_ = false;
};

TEST_F(SnapOptionsDialogTest, ShowsEveryControlWithItsText) {
  OnDialog(kCaption, [this](HWND dialog) {
    EXPECT_TRUE(showing_);
    const std::pair<int, const char*> texts[] = {
        {IDC_SNAPOPTIONS_LABEL4, "How To Execute"},
        {IDC_SNAPOPTIONS_KEYBOARD, "&Send text through the keyboard"},
        {IDC_SNAPOPTIONS_SECONDSLABEL, "Delay in Milliseconds between each key"},
        {IDC_SNAPOPTIONS_CLIPBOARD, "S&end text through the Windows Clipboard"},
        {IDC_SNAPOPTIONS_LABEL3, "Case Sensitivity"},
        {IDC_SNAPOPTIONS_CASEMATCH, "&Match Upper Case First Char Between Wordsnap &&Text"},
        {IDC_SNAPOPTIONS_CASESENSE, "&Require Exact Upper/Lower Case Match on Wordsnap"},
        {IDC_SNAPOPTIONS_CASENONE, "&None"},
        {IDOK, "&Ok"},
        {IDCANCEL, "&Cancel"},
    };
    for (const auto& [id, text] : texts) EXPECT_EQ(ControlText(dialog, id), text) << id;
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_SNAPOPTIONS_SECONDS, EM_GETLIMITTEXT, 0, 0), 4);
    PressButton(dialog, IDCANCEL);
  });
  Run(kClipIndividual);
}

TEST_F(SnapOptionsDialogTest, OpensOnTheEditorsValuesAndOkWithoutChangesKeepsThem) {
  struct Case {
    std::uint8_t via;
    std::int16_t caseRule;
    std::uint16_t delay;
    std::int32_t clipSetting;
    int caseRadio;
    bool delayEnabled;
    bool radiosEnabled;
    std::int16_t caseAfterOk;
  };
  const Case cases[] = {
      {1, kCaseExact, 40, kClipIndividual, IDC_SNAPOPTIONS_CASESENSE, false, true, kCaseExact},
      {0, kCaseFirstCharacter, 9999, kClipClipboardForAll, IDC_SNAPOPTIONS_CASEMATCH, true, false,
       kCaseFirstCharacter},
      {0, 7, 0, kClipKeyboardForAll, IDC_SNAPOPTIONS_CASENONE, true, false, kCaseNone},  // outside 1 to 3
      {1, kCaseNone, 5, kClipKeyboardForAll, IDC_SNAPOPTIONS_CASENONE, false, false, kCaseNone},
  };
  for (const Case& c : cases) {
    Working(c.via, c.caseRule, c.delay);
    OnDialog(kCaption, [&c](HWND dialog) {
      for (int id : {IDC_SNAPOPTIONS_CASEMATCH, IDC_SNAPOPTIONS_CASESENSE, IDC_SNAPOPTIONS_CASENONE})
        EXPECT_EQ(Checked(dialog, id), id == c.caseRadio) << id;
      EXPECT_EQ(Checked(dialog, IDC_SNAPOPTIONS_CLIPBOARD), c.via == 1);
      EXPECT_EQ(Checked(dialog, IDC_SNAPOPTIONS_KEYBOARD), c.via == 0);
      EXPECT_EQ(ControlText(dialog, IDC_SNAPOPTIONS_SECONDS), std::to_string(c.delay));
      for (int id : {IDC_SNAPOPTIONS_SECONDS, IDC_SNAPOPTIONS_SECONDSLABEL})
        EXPECT_EQ(Enabled(dialog, id), c.delayEnabled) << id;
      for (int id : {IDC_SNAPOPTIONS_KEYBOARD, IDC_SNAPOPTIONS_CLIPBOARD})
        EXPECT_EQ(Enabled(dialog, id), c.radiosEnabled) << id;
      PressButton(dialog, IDOK);
    });
    EXPECT_TRUE(Run(c.clipSetting));
    EXPECT_EQ(working_.ViaClipboard, c.via);
    EXPECT_EQ(working_.CaseRule, c.caseAfterOk);
    EXPECT_EQ(working_.KeyDelay, c.delay);
  }
}

TEST_F(SnapOptionsDialogTest, MethodClicksSwitchTheDelayBoxAndOkReadsItEvenDisabled) {
  struct Case {
    const char* box;
    std::uint16_t delay;
  };
  for (const Case c : {Case{"12ab", 12}, Case{"", 0}, Case{"x5", 0}, Case{"9999", 9999}}) {
    Working(0, kCaseNone, 300);
    OnDialog(kCaption, [c](HWND dialog) {
      PressButton(dialog, IDC_SNAPOPTIONS_CLIPBOARD);
      EXPECT_FALSE(Enabled(dialog, IDC_SNAPOPTIONS_SECONDS));
      EXPECT_FALSE(Enabled(dialog, IDC_SNAPOPTIONS_SECONDSLABEL));
      PressButton(dialog, IDC_SNAPOPTIONS_KEYBOARD);
      EXPECT_TRUE(Enabled(dialog, IDC_SNAPOPTIONS_SECONDS));
      EXPECT_TRUE(Enabled(dialog, IDC_SNAPOPTIONS_SECONDSLABEL));
      SetControlText(dialog, IDC_SNAPOPTIONS_SECONDS, c.box);
      PressButton(dialog, IDC_SNAPOPTIONS_CLIPBOARD);
      PressButton(dialog, IDC_SNAPOPTIONS_CASEMATCH);
      PressButton(dialog, IDOK);
    });
    EXPECT_TRUE(Run(kClipIndividual));
    EXPECT_EQ(working_.KeyDelay, c.delay) << c.box;
    EXPECT_EQ(working_.ViaClipboard, 1);
    EXPECT_EQ(working_.CaseRule, kCaseFirstCharacter);
  }
}

TEST_F(SnapOptionsDialogTest, CancelAndTheCloseButtonChangeNothing) {
  Working(0, 7, 250);
  const WordsnapRecord before = working_;
  OnDialog(kCaption, [](HWND dialog) {
    PressButton(dialog, IDC_SNAPOPTIONS_CLIPBOARD);
    PressButton(dialog, IDC_SNAPOPTIONS_CASESENSE);
    SetControlText(dialog, IDC_SNAPOPTIONS_SECONDS, "1");
    PressButton(dialog, IDCANCEL);
  });
  EXPECT_FALSE(Run(kClipIndividual));
  EXPECT_EQ(working_, before);
  OnDialog(kCaption, [](HWND dialog) {
    PressButton(dialog, IDC_SNAPOPTIONS_CASESENSE);
    SendMessageA(dialog, WM_CLOSE, 0, 0);
  });
  EXPECT_FALSE(Run(kClipIndividual));
  EXPECT_EQ(working_, before);
}

}  // namespace
}  // namespace wordsnap::win_test
