// The dialog driver itself: a step that leaves its dialog open, or waits for a
// dialog that never comes, fails the test and lets the modal call return.
#include <windows.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "dialog_test_base.h"

namespace wordsnap::win_test {
namespace {

using std::chrono::milliseconds;

INT_PTR CALLBACK CheckDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

// Runs a modal dialog with no controls and this caption, built in memory.
INT_PTR RunCheckDialog(const std::string& caption) {
  std::vector<WORD> words;
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME;
  for (WORD word : {LOWORD(style), HIWORD(style), WORD{0}, WORD{0}, WORD{0}}) words.push_back(word);  // no controls
  for (WORD word : {WORD{10}, WORD{10}, WORD{120}, WORD{40}}) words.push_back(word);
  words.push_back(0);  // no menu
  words.push_back(0);  // the standard dialog class
  for (char c : caption) words.push_back(static_cast<unsigned char>(c));
  words.push_back(0);
  std::vector<DWORD> aligned((words.size() + 1) / 2);
  std::memcpy(aligned.data(), words.data(), words.size() * sizeof(WORD));
  return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(aligned.data()),
                                 nullptr, CheckDialogProc, 0);
}

class DialogDriverTest : public DialogTestBase {};

constexpr milliseconds kShort{300};

TEST_F(DialogDriverTest, StepsThatCloseTheirDialogPass) {
  OnDialog("Driver Check", [](HWND dialog) { PressButton(dialog, IDOK); });  // no such button: stays open
  OnDialog("Driver Check", [](HWND dialog) { EndDialog(dialog, IDOK); });   // a later step closes it
  EXPECT_EQ(RunCheckDialog("Driver Check"), IDOK);
}

TEST_F(DialogDriverTest, AStuckStepFailsTheTestAndItsDialogIsClosed) {
  struct Case {
    const char* what;
    std::function<void()> queue;
    const char* failure;
  };
  const Case cases[] = {
      {"a step that leaves its dialog open",
       [] { OnDialog("Driver Check", [](HWND) {}, kShort); },
       "the dialog \"Driver Check\" was still open 0.3 s after its step began"},
      {"a step that waits for a caption that never comes",
       [] { OnDialog("Other Caption", [](HWND dialog) { EndDialog(dialog, IDOK); }, kShort); },
       "no window captioned \"Other Caption\" appeared within 0.3 s"},
      {"a step that opens a nested dialog nobody answers",
       [] { OnDialog("Driver Check", [](HWND) { RunCheckDialog("Nested Check"); }, kShort); },
       "\"Nested Check\""},  // named among the open dialogs
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.queue();
    INT_PTR result = 0;
    EXPECT_NONFATAL_FAILURE(result = RunCheckDialog("Driver Check"), c.failure);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(ForgetPendingSteps(), 0);
  }
}

}  // namespace
}  // namespace wordsnap::win_test
