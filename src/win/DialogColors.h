#pragma once
// How the dialogs' labels look: in the system window-text colour (SetColors), and
// titles in bold (BoldenLabels).

#include <windows.h>

#include <initializer_list>

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

// Sets a bold copy of the dialog's font on the labels; returns it for the dialog to
// delete when it closes (after giving the labels their font back), or null.
inline HFONT BoldenLabels(HWND dialog, std::initializer_list<int> labelIds) {
  HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
  LOGFONTA bold = {};
  if (dialogFont == nullptr || GetObjectA(dialogFont, sizeof(bold), &bold) != sizeof(bold)) return nullptr;
  bold.lfWeight = FW_BOLD;
  HFONT font = CreateFontIndirectA(&bold);
  for (int id : labelIds) SendDlgItemMessageA(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return font;
}

}  // namespace wordsnap
