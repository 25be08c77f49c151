// The duplicates dialog of the imports, driven through its controls.
#include <windows.h>

#include <gtest/gtest.h>

#include "ImportOptions.h"
#include "ImportOptions_ids.h"
#include "dialog_test_base.h"

namespace wordsnap::win_test {
namespace {

class ImportOptionsTest : public DialogTestBase {};

constexpr int kRadios[] = {IDC_IMPORTOPTIONS_DUPLICATE, IDC_IMPORTOPTIONS_REPLACE, IDC_IMPORTOPTIONS_PROMPT};

TEST_F(ImportOptionsTest, ShowsTheSettingAndEveryWayOfClosingTakesTheChoice) {
  enum class Close { Ok, CloseButton, Escape };
  struct Case {
    std::int32_t setting;
    int click;  // the radio button clicked, or 0
    Close close;
    std::int32_t mode;
  };
  const Case cases[] = {
      {1, 0, Close::Ok, 1},
      {2, 0, Close::CloseButton, 2},
      {3, 0, Close::Escape, 3},
      {1, IDC_IMPORTOPTIONS_REPLACE, Close::CloseButton, 2},
      {3, IDC_IMPORTOPTIONS_DUPLICATE, Close::Ok, 1},
      {2, IDC_IMPORTOPTIONS_PROMPT, Close::Escape, 3},
      {0, 0, Close::Ok, 3},  // a setting of no button: none is checked, and none means prompt
      {7, IDC_IMPORTOPTIONS_REPLACE, Close::Ok, 2},
  };
  for (const Case& c : cases) {
    bool showing = false;
    OnDialog("Duplicates", [&](HWND dialog) {
      EXPECT_TRUE(showing);
      EXPECT_EQ(ControlText(dialog, IDC_IMPORTOPTIONS_LABEL), "What should be done with duplicate Wordsnaps?");
      EXPECT_EQ(GetDlgItem(dialog, IDCANCEL), nullptr) << "no Cancel";
      for (int mode = 1; mode <= 3; ++mode) {
        EXPECT_EQ(IsDlgButtonChecked(dialog, kRadios[mode - 1]) == BST_CHECKED, mode == c.setting)
            << "setting " << c.setting << ", button " << mode;
      }
      if (c.click != 0) PressButton(dialog, c.click);
      switch (c.close) {
        case Close::Ok: PressButton(dialog, IDOK); break;
        case Close::CloseButton: PostMessageA(dialog, WM_CLOSE, 0, 0); break;
        case Close::Escape: PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); break;
      }
    });
    EXPECT_EQ(RunImportOptions(nullptr, showing, c.setting), c.mode) << "setting " << c.setting;
    EXPECT_FALSE(showing);
  }
}

TEST_F(ImportOptionsTest, IsSetInArialOf13PixelsAndIs124PixelsHigh) {
  bool showing = false;
  LOGFONTA font{};
  RECT client{};
  OnDialog("Duplicates", [&](HWND dialog) {
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof(font), &font);
    GetClientRect(dialog, &client);
    PressButton(dialog, IDOK);
  });
  RunImportOptions(nullptr, showing, 1);
  EXPECT_STREQ(font.lfFaceName, "Arial");
  EXPECT_EQ(font.lfHeight, -13);
  // At 100% the dialog's 66 units of height come out at 124 pixels. Its 210 units of
  // width are 315 pixels with Windows' Arial; the font Wine puts in its place is wider.
  EXPECT_EQ(client.bottom, 124);
}

}  // namespace
}  // namespace wordsnap::win_test
