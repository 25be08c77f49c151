// The About box and the User Manual Notice, driven through their controls.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "About.h"
#include "About_ids.h"
#include "UserM.h"
#include "UserM_ids.h"
#include "dialog_test_base.h"

namespace wordsnap::win_test {
namespace {

class AboutAndManualTest : public DialogTestBase {};

TEST_F(AboutAndManualTest, TheAboutBoxNamesTheProgramAndItsVersionAndOpensOnceOnly) {
  bool showing = false;
  int shown = 0;
  OnDialog("About", [&](HWND about) {
    ++shown;
    EXPECT_TRUE(showing);
    EXPECT_EQ(ControlText(about, IDC_ABOUT_PRODUCT), "Wordsnaps 2000");
    EXPECT_EQ(ControlText(about, IDC_ABOUT_VERSION), "Version 1.7");
    RECT picture{};
    GetClientRect(GetDlgItem(about, IDC_ABOUT_PICTURE), &picture);
    EXPECT_EQ(picture.right, 143);
    EXPECT_EQ(picture.bottom, 102);
    // Chosen again (from the tray menu) while it shows: nothing more opens.
    RunAbout(nullptr, showing, 1.0);
    PressButton(about, IDOK);
  });
  RunAbout(nullptr, showing, 1.0);
  EXPECT_EQ(shown, 1);
  EXPECT_FALSE(showing);
}

TEST_F(AboutAndManualTest, TheAboutBoxLaysItsPartsOutAtTheDialogScaleFactor) {
  bool showing = false;
  OnDialog("About", [&](HWND about) {
    RECT picture{};
    GetClientRect(GetDlgItem(about, IDC_ABOUT_PICTURE), &picture);
    EXPECT_EQ(picture.right, 215);  // 143 and 102 at 150%
    EXPECT_EQ(picture.bottom, 153);
    // The button lies below the panel and inside the box.
    RECT panel{}, button{}, client{};
    GetWindowRect(GetDlgItem(about, IDC_ABOUT_PANEL), &panel);
    GetWindowRect(GetDlgItem(about, IDOK), &button);
    GetClientRect(about, &client);
    EXPECT_GE(button.top, panel.bottom);
    POINT corner{button.right, button.bottom};
    ScreenToClient(about, &corner);
    EXPECT_LE(corner.x, client.right);
    EXPECT_LE(corner.y, client.bottom);
    PressButton(about, IDOK);
  });
  RunAbout(nullptr, showing, 1.5);
}

TEST_F(AboutAndManualTest, TheManualNoticeSaysSoWhenTheManualIsMissingAndCancelSaysNothing) {
  bool showing = false;
  const std::string missing = "C:\\no-such-folder-for-wordsnap\\WORDSNAP.DOC";
  OnDialog("User Manual Notice", [&](HWND notice) {
    EXPECT_TRUE(showing);
    PressButton(notice, IDCANCEL);
  });
  RunUserM(nullptr, showing, missing);
  EXPECT_TRUE(messages_.empty());

  OnDialog("User Manual Notice", [](HWND notice) { PressButton(notice, IDOK); });
  RunUserM(nullptr, showing, missing);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0],
            "Error: The User Manual could not be located.  Please make sure the user manual was installed.");
  EXPECT_FALSE(showing);
}

TEST_F(AboutAndManualTest, TheManualNoticeFramesItsLabelsRaised) {
  bool showing = false;
  COLORREF topLeft = 0, bottomRight = 0;
  OnDialog("User Manual Notice", [&](HWND notice) {
    HWND frame = GetDlgItem(notice, IDC_USERM_FRAME);
    RedrawWindow(notice, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT box{};
    GetClientRect(frame, &box);
    HDC dc = GetDC(frame);
    topLeft = GetPixel(dc, 0, 0);
    bottomRight = GetPixel(dc, box.right - 1, box.bottom - 1);
    ReleaseDC(frame, dc);
    PressButton(notice, IDCANCEL);
  });
  RunUserM(nullptr, showing, "C:\\no-such-folder-for-wordsnap\\WORDSNAP.DOC");
  // Lit from the top left: the light edge there, the shadow at the bottom right.
  EXPECT_EQ(topLeft, GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(bottomRight, GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(AboutAndManualTest, WithTheManualPresentOkOpensIt) {
  // Wine has no program for documents: the manual opens in the program's help window.
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string manual = std::string(folder) + "WORDSNAP.DOC";
  {
    HANDLE file = CreateFileA(manual.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const char rtf[] = "{\\rtf1\\ansi Wordsnaps 2000 User Manual\\par}";
    DWORD written = 0;
    WriteFile(file, rtf, sizeof(rtf) - 1, &written, nullptr);
    CloseHandle(file);
  }
  bool showing = false;
  OnDialog("User Manual Notice", [](HWND notice) { PressButton(notice, IDOK); });
  RunUserM(nullptr, showing, manual);
  EXPECT_TRUE(messages_.empty()) << messages_[0];
  HWND help = FindWindowA(nullptr, "Wordsnaps Help");
  ASSERT_NE(help, nullptr);
  DestroyWindow(help);
  DeleteFileA(manual.c_str());
}

}  // namespace
}  // namespace wordsnap::win_test
