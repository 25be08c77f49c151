#pragma once
// What every dialog shares: its dialog-showing flag set for exactly as long as it
// is shown, the record of the dialogs open now (summoning the window from the
// tray closes them), and procedures that never let an exception reach the system.

#include <windows.h>

#include <exception>
#include <vector>

namespace wordsnap {

// Set while a dialog is shown: made before the dialog is created, gone after it
// closed. The dialog procedure attaches the dialog's window when it has one.
class TDialogShowing {
 public:
  explicit TDialogShowing(bool& flag);
  ~TDialogShowing();
  TDialogShowing(const TDialogShowing&) = delete;
  TDialogShowing& operator=(const TDialogShowing&) = delete;

  void Attach(HWND dialog);

 private:
  bool& flag_;
  bool previous_;
  HWND dialog_ = nullptr;
};

// The dialogs shown now, the first opened first.
std::vector<HWND> OpenDialogs();

// Closes every open dialog as its Cancel button would, the most recent first.
void CloseOpenDialogs();

// Reports an exception that reached a window or dialog procedure.
void ReportUnexpectedError(HWND window, std::exception_ptr error) noexcept;

// Runs a procedure's body; an exception is reported and answered with `fallback`.
template <typename Result, typename Body>
Result Guarded(HWND window, Result fallback, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    ReportUnexpectedError(window, std::current_exception());
    return fallback;
  }
}

// A dialog procedure made of its body: no exception reaches the system.
template <INT_PTR (*Body)(HWND, UINT, WPARAM, LPARAM)>
INT_PTR CALLBACK GuardedDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  return Guarded<INT_PTR>(dialog, FALSE, [&] { return Body(dialog, message, wParam, lParam); });
}

}  // namespace wordsnap
