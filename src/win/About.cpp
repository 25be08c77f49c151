#include "About.h"

#include "About_ids.h"
#include "DialogColors.h"
#include "DialogGuard.h"
#include "ModalLoop.h"
#include "core/version.h"

namespace wordsnap {
namespace {

// The picture fills this many pixels at the panel's top left.
constexpr int kPictureWidth = 143;
constexpr int kPictureHeight = 102;
constexpr int kMargin = 8;
constexpr int kLabelHeight = 16;

struct AboutState {
  explicit AboutState(TDialogShowing& s) : showing(s) {}
  TDialogShowing& showing;
  HFONT bold = nullptr;
};

void Place(HWND dialog, int id, int x, int y, int width, int height) {
  SetWindowPos(GetDlgItem(dialog, id), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Lays the box out in pixels around the picture's fixed size.
void Arrange(HWND dialog) {
  const int inner = kMargin + 2;
  const int labelsTop = inner + kPictureHeight + 4;
  const int panelWidth = kPictureWidth + 4;
  const int panelHeight = kPictureHeight + 8 + 2 * kLabelHeight + 4;
  Place(dialog, IDC_ABOUT_PANEL, kMargin, kMargin, panelWidth, panelHeight);
  Place(dialog, IDC_ABOUT_PICTURE, inner, inner, kPictureWidth, kPictureHeight);
  Place(dialog, IDC_ABOUT_PRODUCT, inner, labelsTop, kPictureWidth, kLabelHeight);
  Place(dialog, IDC_ABOUT_VERSION, inner, labelsTop + kLabelHeight, kPictureWidth, kLabelHeight);
  const int buttonWidth = 75;
  const int buttonHeight = 23;
  const int buttonTop = kMargin + panelHeight + kMargin;
  Place(dialog, IDOK, kMargin + (panelWidth - buttonWidth) / 2, buttonTop, buttonWidth, buttonHeight);
  RECT client{0, 0, panelWidth + 2 * kMargin, buttonTop + buttonHeight + kMargin};
  AdjustWindowRectEx(&client, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
  SetWindowPos(dialog, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Our picture: a key cap with a name typed on it, and what it turns into.
void DrawPicture(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  const RECT area = item.rcItem;
  HBRUSH sky = CreateSolidBrush(RGB(232, 240, 252));
  FillRect(dc, &area, sky);
  DeleteObject(sky);

  HPEN edge = CreatePen(PS_SOLID, 2, RGB(60, 70, 90));
  HBRUSH cap = CreateSolidBrush(RGB(250, 250, 245));
  HGDIOBJ oldPen = SelectObject(dc, edge);
  HGDIOBJ oldBrush = SelectObject(dc, cap);
  RoundRect(dc, area.left + 10, area.top + 14, area.left + 62, area.top + 62, 10, 10);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(40, 40, 60));
  RECT keyText{area.left + 10, area.top + 14, area.left + 62, area.top + 62};
  DrawTextA(dc, "sig", -1, &keyText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

  // The arrow from the name to its replacement.
  MoveToEx(dc, area.left + 68, area.top + 38, nullptr);
  LineTo(dc, area.left + 88, area.top + 38);
  LineTo(dc, area.left + 82, area.top + 32);
  MoveToEx(dc, area.left + 88, area.top + 38, nullptr);
  LineTo(dc, area.left + 82, area.top + 44);
  SelectObject(dc, oldBrush);
  DeleteObject(cap);

  HBRUSH paper = CreateSolidBrush(RGB(255, 255, 255));
  SelectObject(dc, paper);
  Rectangle(dc, area.left + 94, area.top + 20, area.right - 6, area.top + 56);
  SelectObject(dc, oldBrush);
  DeleteObject(paper);
  RECT replaced{area.left + 94, area.top + 20, area.right - 6, area.top + 56};
  SetTextColor(dc, RGB(0, 70, 160));
  DrawTextA(dc, "Regards", -1, &replaced, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldPen);
  DeleteObject(edge);

  RECT caption{area.left, area.top + 70, area.right, area.bottom - 4};
  SetTextColor(dc, RGB(60, 70, 90));
  DrawTextA(dc, "type less, say more", -1, &caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void FormShow(HWND dialog, AboutState& state) {
  state.showing.Attach(dialog);
  Arrange(dialog);
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof(font), &font);
  font.lfWeight = FW_BOLD;
  state.bold = CreateFontIndirectA(&font);
  for (int id : {IDC_ABOUT_PRODUCT, IDC_ABOUT_VERSION}) {
    SendDlgItemMessageA(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(state.bold), FALSE);
  }
  SetDlgItemTextA(dialog, IDC_ABOUT_PRODUCT, kProgramTitle);
  SetDlgItemTextA(dialog, IDC_ABOUT_VERSION, kVersionText);
  CentreOnScreen(dialog);
}

INT_PTR AboutProcBody(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    FormShow(dialog, *reinterpret_cast<AboutState*>(lParam));
    return TRUE;
  }
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
      return TRUE;
    case WM_DRAWITEM:
      if (wParam == IDC_ABOUT_PICTURE) {
        DrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
      }
      return FALSE;
    case WM_CTLCOLORSTATIC:
      return SetColors(message, wParam);
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  return Guarded<INT_PTR>(dialog, FALSE, [&] { return AboutProcBody(dialog, message, wParam, lParam); });
}

}  // namespace

void RunAbout(HWND owner, bool& showingFlag) {
  if (showingFlag) return;
  TDialogShowing showing(showingFlag);
  AboutState state{showing};
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), owner, AboutProc,
                  reinterpret_cast<LPARAM>(&state));
  if (state.bold != nullptr) DeleteObject(state.bold);
}

}  // namespace wordsnap
