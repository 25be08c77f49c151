// The "Prefix and Suffix Keys" dialog driven in this process: how it opens,
// what OK stores and reports, Cancel, and refused prefix keys.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_test_base.h"
#include "options.h"
#include "options_ids.h"

namespace wordsnap::win_test {
namespace {

class PrefixSuffixDialogTest : public DialogTestBase {
 protected:
  std::optional<WordsnapOptionsResult> Run() {
    const auto result = RunOptions(nullptr, showing_, settings_, prefixKeys_);
    EXPECT_FALSE(showing_);
    return result;
  }
  void Dialog(DialogStep step) { OnDialog("Prefix and Suffix Keys", std::move(step)); }

  static bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
  static bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

  Settings settings_;
  std::string prefixKeys_ = ";;";
  bool showing_ = false;
};

TEST_F(PrefixSuffixDialogTest, OpensFromTheSettingsAndSwitchingModesEnablesTheOtherSide) {
  settings_.hintPosition = 6;
  settings_.usePunctuation = false;
  Dialog([this](HWND dialog) {
    EXPECT_TRUE(showing_);
    EXPECT_TRUE(Checked(dialog, IDC_OPTIONS_USEPREFIX));
    EXPECT_FALSE(Checked(dialog, IDC_OPTIONS_USESUFFIX));
    EXPECT_EQ(ControlText(dialog, IDC_OPTIONS_PREFIXKEYS), ";;");
    EXPECT_FALSE(Checked(dialog, IDC_OPTIONS_PUNCT));
    EXPECT_TRUE(Checked(dialog, IDC_OPTIONS_DOHINT));
    EXPECT_TRUE(Checked(dialog, IDC_OPTIONS_CENTERRIGHT));
    EXPECT_TRUE(Enabled(dialog, IDC_OPTIONS_PREFIXKEYS));
    for (int id : {IDC_OPTIONS_PUNCT, IDC_OPTIONS_RETYPESUFFIX, IDC_OPTIONS_DOHINT, IDC_OPTIONS_TOPLEFT,
                   IDC_OPTIONS_BOTTOMRIGHT, IDC_OPTIONS_HINTLABEL})
      EXPECT_FALSE(Enabled(dialog, id)) << id;

    PressButton(dialog, IDC_OPTIONS_USESUFFIX);
    EXPECT_FALSE(Enabled(dialog, IDC_OPTIONS_PREFIXKEYS));
    for (int id : {IDC_OPTIONS_PUNCT, IDC_OPTIONS_RETYPESUFFIX, IDC_OPTIONS_DOHINT, IDC_OPTIONS_TOPLEFT,
                   IDC_OPTIONS_BOTTOMRIGHT, IDC_OPTIONS_HINTLABEL})
      EXPECT_TRUE(Enabled(dialog, id)) << id;
    PressButton(dialog, IDCANCEL);
  });
  EXPECT_EQ(Run(), std::nullopt);
  EXPECT_FALSE(settings_.useSuffix);
  EXPECT_EQ(prefixKeys_, ";;");
}

TEST_F(PrefixSuffixDialogTest, OkStoresTheChoicesAndReportsNewKeys) {
  Dialog([](HWND dialog) {
    SetControlText(dialog, IDC_OPTIONS_PREFIXKEYS, "\\");
    PressButton(dialog, IDOK);
  });
  auto result = Run();
  ASSERT_TRUE(result.has_value());
  EXPECT_TRUE(result->prefixKeysChanged);
  EXPECT_EQ(result->hint, HintFollowUp::None);
  EXPECT_EQ(prefixKeys_, "\\");

  // Turning to suffix mode with hints on starts the prompt; the keys stay.
  Dialog([](HWND dialog) {
    PressButton(dialog, IDC_OPTIONS_USESUFFIX);
    PressButton(dialog, IDC_OPTIONS_RETYPESUFFIX);
    PressButton(dialog, IDC_OPTIONS_BOTTOMCENTER);
    PressButton(dialog, IDOK);
  });
  result = Run();
  ASSERT_TRUE(result.has_value());
  EXPECT_FALSE(result->prefixKeysChanged);
  EXPECT_EQ(result->hint, HintFollowUp::Launch);
  EXPECT_TRUE(settings_.useSuffix);
  EXPECT_FALSE(settings_.retypeSuffix);
  EXPECT_EQ(settings_.hintPosition, 8);

  // Back to prefix mode while hints run: the prompt is closed.
  Dialog([](HWND dialog) {
    PressButton(dialog, IDC_OPTIONS_USEPREFIX);
    PressButton(dialog, IDOK);
  });
  result = Run();
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->hint, HintFollowUp::Close);
  EXPECT_FALSE(settings_.useSuffix);
}

TEST_F(PrefixSuffixDialogTest, InvalidKeysInTheDisabledBoxBlockOkUntilRemoved) {
  settings_.useSuffix = true;
  const Settings before = settings_;
  prefixKeys_ = "a\"";
  Dialog([this, &before](HWND dialog) {
    PressButton(dialog, IDC_OPTIONS_DOHINT);
    PressButton(dialog, IDOK);
    EXPECT_TRUE(IsWindowVisible(dialog));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0],
              "Error: The Prefix Keys has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 and "
              "' ! @ # $ % ^ & _ = < > ? . ; , * - / + \\");
    EXPECT_EQ(settings_, before);
    SetControlText(dialog, IDC_OPTIONS_PREFIXKEYS, "a");
    PressButton(dialog, IDOK);
  });
  const auto result = Run();
  ASSERT_TRUE(result.has_value());
  EXPECT_TRUE(result->prefixKeysChanged);
  EXPECT_EQ(result->hint, HintFollowUp::Close);
  EXPECT_EQ(prefixKeys_, "a");
  EXPECT_FALSE(settings_.doHint);
}

}  // namespace
}  // namespace wordsnap::win_test
