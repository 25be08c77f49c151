#include "TaskIcon.h"

#include <cstring>

#include "DialogGuard.h"

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
  // A top-level window that is never shown: it receives the notifications and, unlike a
  // message-only window, the shell's broadcast when the taskbar is created again.
  taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
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

void TTaskIcon::AddAgain() {
  if (!active_) return;
  // The new shell knows nothing of the icon: add it as it is now.
  NOTIFYICONDATAA data = Record();
  if (Shell_NotifyIconA(NIM_ADD, &data)) added_ = data;
}

LRESULT CALLBACK TTaskIcon::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  return Guarded<LRESULT>(window, 0, [&] { return HandleMessage(window, message, wParam, lParam); });
}

LRESULT TTaskIcon::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TTaskIcon*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self != nullptr && self->taskbarCreated_ != 0 && message == self->taskbarCreated_) {
    self->AddAgain();
    return 0;
  }
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
