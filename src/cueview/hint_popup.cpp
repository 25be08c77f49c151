#include "hint_popup.h"

#include <algorithm>

#include "core/hint/hint_display_text.h"
#include "core/hint/hint_placement.h"
#include "core/hint/hint_protocol.h"

namespace wordsnap {
namespace {

constexpr int kBorder = 1;
constexpr int kPaddingX = 6;
constexpr int kPaddingY = 4;
constexpr int kLineGap = 2;
constexpr int kMinimumWidth = 60;

// The system's message font, a fifth larger: the hint sits in a corner of the
// screen and is read at a glance.
LOGFONTA HintFont() {
  LOGFONTA font{};
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    font = metrics.lfMessageFont;
  } else {
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
  }
  font.lfHeight = font.lfHeight * 6 / 5;
  return font;
}

ScreenEdges WorkArea() {
  RECT area{};
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) {
    area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return {area.left, area.top, area.right, area.bottom};
}

SIZE TextSize(HDC dc, HFONT font, const std::string& text) {
  const HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SIZE size{0, 0};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  size.cy = metrics.tmHeight;
  SelectObject(dc, previous);
  return size;
}

}  // namespace

bool HintPopup::Create(HINSTANCE instance, HWND owner) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassA(&windowClass)) return false;

  LOGFONTA font = HintFont();
  textFont_ = CreateFontIndirectA(&font);
  font.lfWeight = FW_BOLD;
  nameFont_ = CreateFontIndirectA(&font);

  // Owned by the hidden host window: an owned pop-up has no taskbar button and is
  // not subject to the show command the program was started with.
  window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, "",
                            WS_POPUP, 0, 0, 0, 0, owner, nullptr, instance, this);
  return window_ != nullptr && textFont_ != nullptr && nameFont_ != nullptr;
}

void HintPopup::Destroy() {
  if (window_) DestroyWindow(window_);
  if (nameFont_) DeleteObject(nameFont_);
  if (textFont_) DeleteObject(textFont_);
  nameFont_ = textFont_ = nullptr;
}

void HintPopup::Show(const HintContent& content, int position) {
  if (!window_) return;
  name_ = HintDisplayLine(content.name);
  text_ = HintDisplayLine(content.preview);
  std::string windowText = name_;
  windowText.append("\r\n").append(text_);
  SetWindowTextA(window_, windowText.c_str());
  Place(position, Measure());
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  InvalidateRect(window_, nullptr, TRUE);
}

void HintPopup::Hide() {
  if (window_ && IsWindowVisible(window_)) ShowWindow(window_, SW_HIDE);
}

void HintPopup::MoveTo(int position) {
  if (window_ && IsWindowVisible(window_)) Place(position, Measure());
}

SIZE HintPopup::Measure() const {
  HDC dc = GetDC(window_);
  const SIZE name = TextSize(dc, nameFont_, name_);
  const SIZE text = TextSize(dc, textFont_, text_);
  ReleaseDC(window_, dc);

  const ScreenEdges area = WorkArea();
  const int widest = area.right - area.left - 2 * kHintEdgeMargin;
  int width = std::max(name.cx, text_.empty() ? 0 : text.cx) + 2 * (kPaddingX + kBorder);
  width = std::min(std::max(width, kMinimumWidth), std::max(widest, kMinimumWidth));
  int height = name.cy + 2 * (kPaddingY + kBorder);
  if (!text_.empty()) height += kLineGap + text.cy;
  return {width, height};
}

void HintPopup::Place(int position, SIZE size) {
  const ScreenPoint at = PlaceHintWindow(position, WorkArea(), size.cx, size.cy);
  SetWindowPos(window_, HWND_TOPMOST, at.x, at.y, size.cx, size.cy, SWP_NOACTIVATE);
}

void HintPopup::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client;
  GetClientRect(window_, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
  FrameRect(dc, &client, GetSysColorBrush(COLOR_WINDOWFRAME));

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  const UINT format = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
  RECT line = client;
  InflateRect(&line, -(kPaddingX + kBorder), -(kPaddingY + kBorder));

  const HGDIOBJ previous = SelectObject(dc, nameFont_);
  const SIZE name = TextSize(dc, nameFont_, name_);
  DrawTextA(dc, name_.data(), static_cast<int>(name_.size()), &line, format);
  line.top += name.cy + kLineGap;
  SelectObject(dc, textFont_);
  DrawTextA(dc, text_.data(), static_cast<int>(text_.size()), &line, format);
  SelectObject(dc, previous);
  EndPaint(window_, &paint);
}

LRESULT CALLBACK HintPopup::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<HintPopup*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_PAINT:
      if (self) {
        self->Paint();
        return 0;
      }
      break;
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case kHintCommandMessage:
      // The caption of this window is hint text, which could itself contain the
      // marker the main program searches for; commands sent here go to the host.
      PostMessageA(GetWindow(window, GW_OWNER), message, wParam, lParam);
      return 0;
    case WM_NCDESTROY:
      if (self) self->window_ = nullptr;
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace wordsnap
