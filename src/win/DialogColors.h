#pragma once
// SetColors: the dialogs' labels and boxes in the system window-text colour.

#include <windows.h>

namespace wordsnap {

// Answers WM_CTLCOLORSTATIC and WM_CTLCOLOREDIT for a dialog procedure; 0 for
// any other message, which leaves it to the default handling.
inline INT_PTR SetColors(UINT message, WPARAM dc) {
  const bool edit = message == WM_CTLCOLOREDIT;
  if (!edit && message != WM_CTLCOLORSTATIC) return 0;
  HDC hdc = reinterpret_cast<HDC>(dc);
  const int background = edit ? COLOR_WINDOW : COLOR_BTNFACE;
  SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(hdc, GetSysColor(background));
  return reinterpret_cast<INT_PTR>(GetSysColorBrush(background));
}

}  // namespace wordsnap
