#include "ModalLoop.h"

namespace wordsnap {
namespace {

constexpr const char* kEndedProperty = "WordsnapModalEnded";
constexpr const char* kResultProperty = "WordsnapModalResult";

bool Ended(HWND dialog) { return GetPropA(dialog, kEndedProperty) != nullptr; }

}  // namespace

INT_PTR RunModalDialog(HINSTANCE instance, int templateId, HWND owner, DLGPROC procedure, LPARAM parameter,
                       HACCEL accelerators) {
  HWND focusBefore = GetFocus();
  HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), owner, procedure, parameter);
  if (dialog == nullptr) return -1;
  const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  if (!Ended(dialog)) ShowWindow(dialog, SW_SHOW);

  bool quit = false;
  WPARAM quitCode = 0;
  MSG message;
  while (!Ended(dialog)) {
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
      quit = true;
      quitCode = message.wParam;
      break;
    }
    const bool forDialog = message.hwnd == dialog || IsChild(dialog, message.hwnd);
    if (forDialog && accelerators != nullptr && TranslateAcceleratorA(dialog, accelerators, &message)) continue;
    if (IsDialogMessageA(dialog, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }

  const INT_PTR result = reinterpret_cast<INT_PTR>(GetPropA(dialog, kResultProperty));
  // The owner comes back before the dialog goes, so the activation returns to it.
  if (disableOwner) EnableWindow(owner, TRUE);
  RemovePropA(dialog, kEndedProperty);
  RemovePropA(dialog, kResultProperty);
  DestroyWindow(dialog);
  if (focusBefore != nullptr && IsWindow(focusBefore)) SetFocus(focusBefore);
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
  return result;
}

void EndModalDialog(HWND dialog, INT_PTR result) {
  SetPropA(dialog, kResultProperty, reinterpret_cast<HANDLE>(result));
  SetPropA(dialog, kEndedProperty, reinterpret_cast<HANDLE>(1));
  PostMessageA(dialog, WM_NULL, 0, 0);  // wakes the loop if nothing else is coming
}

void CentreOnScreen(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  // The screen is the monitor that holds the owner (the main window), so a dialog
  // opens beside the window it belongs to.
  HWND owner = GetWindow(window, GW_OWNER);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (GetMonitorInfoA(MonitorFromWindow(owner != nullptr ? owner : window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    screen = monitor.rcMonitor;
  }
  SetWindowPos(window, nullptr, screen.left + (screen.right - screen.left - width) / 2,
               screen.top + (screen.bottom - screen.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace wordsnap
