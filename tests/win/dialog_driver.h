#pragma once
// Drives the program's modal dialogs from inside the test process: each step
// waits, from a thread timer that the dialog's own message loop runs, for a
// visible window of this thread with the step's caption, then acts on it.

#include <windows.h>

#include <functional>
#include <string>

namespace wordsnap::win_test {

using DialogStep = std::function<void(HWND dialog)>;

// Queues a step for the next window captioned `caption`. Steps run in order.
void OnDialog(const std::string& caption, DialogStep step);

// Steps queued but never run (their dialog did not appear); clears the queue.
int ForgetPendingSteps();

// Helpers for steps.
std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
void PressButton(HWND dialog, int id);  // as a click would, through BM_CLICK
void ChooseCommand(HWND dialog, int id);  // a menu or accelerator command
bool MenuItemChecked(HWND dialog, int id);
bool MenuItemEnabled(HWND dialog, int id);

}  // namespace wordsnap::win_test
