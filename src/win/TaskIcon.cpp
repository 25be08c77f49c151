#include "TaskIcon.h"

#include <cstring>

namespace wordsnap {
namespace {
constexpr const char* kClassName = "TTaskIcon";
constexpr UINT kNotifyMessage = WM_USER;
}  // namespace

TTaskIcon::TTaskIcon() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);  // fails harmlessly when already registered
  // A message-only window: it receives the notifications and is never listed among top-level windows.
  window_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
}

TTaskIcon::~TTaskIcon() {
  SetActive(false);
  if (icon_ != nullptr) DestroyIcon(icon_);
  if (window_ != nullptr) DestroyWindow(window_);
}

NOTIFYICONDATAA TTaskIcon::Record() const {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = window_;
  data.uID = id_;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kNotifyMessage;
  data.hIcon = icon_;
  // The tip field holds 64 bytes with its terminator, so at most 63 characters show.
  std::strncpy(data.szTip, toolTip_.c_str(), 63);
  data.szTip[63] = '\0';
  return data;
}

void TTaskIcon::SetActive(bool active) {
  if (active == active_) return;
  if (active) {
    NOTIFYICONDATAA data = Record();
    if (Shell_NotifyIconA(NIM_ADD, &data)) {
      added_ = data;
      active_ = true;
    }
  } else if (Shell_NotifyIconA(NIM_DELETE, &added_)) {
    active_ = false;
  }
}

void TTaskIcon::Modify() {
  if (!active_) return;
  NOTIFYICONDATAA data = Record();
  Shell_NotifyIconA(NIM_MODIFY, &data);
}

void TTaskIcon::SetIcon(HICON icon) {
  if (icon_ != nullptr) DestroyIcon(icon_);
  icon_ = icon != nullptr ? CopyIcon(icon) : nullptr;
  Modify();
}

void TTaskIcon::SetToolTip(const std::string& tip) {
  std::string cut = tip.substr(0, 64);
  if (cut == toolTip_) return;
  toolTip_ = cut;
  Modify();
}

LRESULT CALLBACK TTaskIcon::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TTaskIcon*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == kNotifyMessage && self != nullptr && wParam == self->id_) {
    if (lParam == WM_LBUTTONUP && self->OnClick) {
      self->OnClick();
    } else if (lParam == WM_RBUTTONUP && self->OnRightClick) {
      POINT at{};
      GetCursorPos(&at);
      self->OnRightClick(at);
    }
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace wordsnap
