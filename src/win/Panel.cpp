#include "Panel.h"

#include "DialogGuard.h"

namespace wordsnap {
namespace {

constexpr const char* kBevelProperty = "WordsnapBevel";

// The bevel's rectangle lives on the heap, owned by the panel through a window property.
RECT* BevelOf(HWND panel) { return static_cast<RECT*>(GetPropA(panel, kBevelProperty)); }

void PaintPanel(HWND panel) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(panel, &paint);
  if (const RECT* bevel = BevelOf(panel); bevel != nullptr && !IsRectEmpty(bevel)) {
    RECT frame = *bevel;
    DrawEdge(dc, &frame, BDR_RAISEDINNER, BF_RECT);
  }
  EndPaint(panel, &paint);
}

LRESULT PanelProcBody(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CONTEXTMENU:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      return SendMessageA(GetParent(panel), message, wParam, lParam);
    case WM_PAINT:
      PaintPanel(panel);
      return 0;
    case WM_NCDESTROY:
      delete BevelOf(panel);
      RemovePropA(panel, kBevelProperty);
      break;
    default:
      break;
  }
  return DefWindowProcA(panel, message, wParam, lParam);
}

LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  return Guarded<LRESULT>(panel, 0, [&] { return PanelProcBody(panel, message, wParam, lParam); });
}

}  // namespace

bool RegisterPanelClass(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = PanelProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kPanelClass;
  return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreatePanel(HWND parent, HINSTANCE instance, DWORD style, int id) {
  return CreateWindowExA(0, kPanelClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void SetPanelBevel(HWND panel, const RECT& bevel) {
  RECT* kept = BevelOf(panel);
  if (kept == nullptr) {
    kept = new RECT{};
    SetPropA(panel, kBevelProperty, kept);
  }
  *kept = bevel;
  InvalidateRect(panel, nullptr, TRUE);
}

}  // namespace wordsnap
