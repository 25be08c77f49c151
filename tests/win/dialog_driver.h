#pragma once
// Drives the program's modal dialogs from inside the test process: each step
// waits, from a thread timer that the dialog's own message loop runs, for a
// visible window of this thread with the step's caption, then acts on it.
//
// Every step has a deadline. A step that finds no window with its caption in
// time, or whose window is still open that long after the step began (unless a
// later step acts on the same window), fails the test; the driver then closes
// the dialogs of this thread, so the modal call under test returns instead of
// hanging.

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace wordsnap::win_test {

using DialogStep = std::function<void(HWND dialog)>;

// Ample for a dialog of this process to come up and be dealt with (Wine on Xvfb
// takes about 2 s to show a window); a test waits this long only when
// something is wrong.
inline constexpr std::chrono::milliseconds kStepDeadline{20000};

// Queues a step for the next window captioned `caption`. Steps run in order; a
// step's deadline counts from when the step before it ran (or from now).
void OnDialog(const std::string& caption, DialogStep step, std::chrono::milliseconds deadline = kStepDeadline);

// Steps queued but never run (their dialog did not appear); clears the queue and
// forgets the windows the steps acted on.
int ForgetPendingSteps();

// Helpers for steps.
std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
void PressButton(HWND dialog, int id);  // as a click would, through BM_CLICK
void ChooseCommand(HWND dialog, int id);  // a menu or accelerator command
bool MenuItemChecked(HWND dialog, int id);
bool MenuItemEnabled(HWND dialog, int id);

}  // namespace wordsnap::win_test
