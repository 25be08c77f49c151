#include "About.h"

#include "About_ids.h"
#include "DialogColors.h"
#include "DialogGuard.h"
#include "ModalLoop.h"
#include "ScreenDpi.h"
#include "core/dpi/dpi_scale.h"
#include "core/version.h"

namespace wordsnap {
namespace {

// At scale 1, in pixels: the picture fills this much of the panel's top left.
constexpr int kPictureWidth = 143;
constexpr int kPictureHeight = 102;
constexpr int kMargin = 8;
constexpr int kLabelHeight = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

struct AboutState {
  AboutState(TDialogShowing& s, double f) : showing(s), scale(f) {}
  TDialogShowing& showing;
  double scale;  // the dialog scale factor
  HFONT bold = nullptr;
};

AboutState* StateOf(HWND dialog) { return reinterpret_cast<AboutState*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

void Place(HWND dialog, int id, int x, int y, int width, int height) {
  SetWindowPos(GetDlgItem(dialog, id), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Lays the box out in pixels round the picture's size at the scale.
void Arrange(HWND dialog, double scale) {
  const auto s = [scale](int pixels) { return ScaleByFactor(pixels, scale); };
  const int pictureWidth = s(kPictureWidth);
  const int pictureHeight = s(kPictureHeight);
  const int labelHeight = s(kLabelHeight);
  const int margin = s(kMargin);
  const int inner = margin + s(2);
  const int labelsTop = inner + pictureHeight + s(4);
  const int panelWidth = pictureWidth + s(4);
  const int panelHeight = pictureHeight + s(8) + 2 * labelHeight + s(4);
  Place(dialog, IDC_ABOUT_PANEL, margin, margin, panelWidth, panelHeight);
  Place(dialog, IDC_ABOUT_PICTURE, inner, inner, pictureWidth, pictureHeight);
  Place(dialog, IDC_ABOUT_PRODUCT, inner, labelsTop, pictureWidth, labelHeight);
  Place(dialog, IDC_ABOUT_VERSION, inner, labelsTop + labelHeight, pictureWidth, labelHeight);
  const int buttonWidth = s(kButtonWidth);
  const int buttonHeight = s(kButtonHeight);
  const int buttonTop = margin + panelHeight + margin;
  Place(dialog, IDOK, margin + (panelWidth - buttonWidth) / 2, buttonTop, buttonWidth, buttonHeight);
  RECT client{0, 0, panelWidth + 2 * margin, buttonTop + buttonHeight + margin};
  AdjustFrameForWindow(dialog, client);
  SetWindowPos(dialog, nullptr, 0, 0, client.right - client.left, client.bottom - client.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Our picture: a key cap with a name typed on it, and what it turns into. Drawn in
// pixels at scale 1 from the picture's top left, scaled.
void DrawPicture(const DRAWITEMSTRUCT& item, double scale) {
  const auto s = [scale](int pixels) { return ScaleByFactor(pixels, scale); };
  HDC dc = item.hDC;
  const RECT area = item.rcItem;
  const int x = area.left;
  const int y = area.top;
  HBRUSH sky = CreateSolidBrush(RGB(232, 240, 252));
  FillRect(dc, &area, sky);
  DeleteObject(sky);

  HPEN edge = CreatePen(PS_SOLID, s(2), RGB(60, 70, 90));
  HBRUSH cap = CreateSolidBrush(RGB(250, 250, 245));
  HGDIOBJ oldPen = SelectObject(dc, edge);
  HGDIOBJ oldBrush = SelectObject(dc, cap);
  RoundRect(dc, x + s(10), y + s(14), x + s(62), y + s(62), s(10), s(10));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(40, 40, 60));
  RECT keyText{x + s(10), y + s(14), x + s(62), y + s(62)};
  DrawTextA(dc, "sig", -1, &keyText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

  // The arrow from the name to its replacement.
  MoveToEx(dc, x + s(68), y + s(38), nullptr);
  LineTo(dc, x + s(88), y + s(38));
  LineTo(dc, x + s(82), y + s(32));
  MoveToEx(dc, x + s(88), y + s(38), nullptr);
  LineTo(dc, x + s(82), y + s(44));
  SelectObject(dc, oldBrush);
  DeleteObject(cap);

  HBRUSH paper = CreateSolidBrush(RGB(255, 255, 255));
  SelectObject(dc, paper);
  Rectangle(dc, x + s(94), y + s(20), area.right - s(6), y + s(56));
  SelectObject(dc, oldBrush);
  DeleteObject(paper);
  RECT replaced{x + s(94), y + s(20), area.right - s(6), y + s(56)};
  SetTextColor(dc, RGB(0, 70, 160));
  DrawTextA(dc, "Regards", -1, &replaced, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldPen);
  DeleteObject(edge);

  RECT caption{area.left, y + s(70), area.right, area.bottom - s(4)};
  SetTextColor(dc, RGB(60, 70, 90));
  DrawTextA(dc, "type less, say more", -1, &caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void FormShow(HWND dialog, AboutState& state) {
  state.showing.Attach(dialog);
  Arrange(dialog, state.scale);
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
        const AboutState* state = StateOf(dialog);
        DrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), state != nullptr ? state->scale : 1.0);
        return TRUE;
      }
      return FALSE;
    case WM_CTLCOLORSTATIC:
      return SetColors(message, wParam);
    default:
      return FALSE;
  }
}

}  // namespace

void RunAbout(HWND owner, bool& showingFlag, double dialogScale) {
  if (showingFlag) return;
  TDialogShowing showing(showingFlag);
  AboutState state{showing, dialogScale};
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_ABOUT), owner, GuardedDialogProc<AboutProcBody>,
                  reinterpret_cast<LPARAM>(&state));
  if (state.bold != nullptr) DeleteObject(state.bold);
}

}  // namespace wordsnap
