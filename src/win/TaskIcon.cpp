#include "TaskIcon.h"

#include <cstring>
#include <iterator>
#include <utility>

#include "DialogGuard.h"

namespace wordsnap {
namespace {
constexpr const char* kClassName = "TTaskIcon";
constexpr UINT kNotifyMessage = WM_USER;
constexpr UINT_PTR kRetryTimer = 1;
// When the shell refuses the icon, it is tried again after these pauses, in
// milliseconds (besides at the shell's announcement of a new taskbar).
constexpr UINT kRetryPausesMs[] = {1000, 2000, 5000, 10000, 30000, 60000};

bool NotifyTheShell(DWORD message, NOTIFYICONDATAA& data) { return Shell_NotifyIconA(message, &data) != FALSE; }
}  // namespace

TTaskIcon::TTaskIcon(NotifyShell notifyShell)
    : notifyShell_(notifyShell ? std::move(notifyShell) : NotifyShell(NotifyTheShell)) {
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
  wanted_ = active;
  retries_ = 0;
  if (window_ != nullptr) KillTimer(window_, kRetryTimer);
  if (active == active_) return;
  if (active) {
    if (!Add()) RetryLater();
  } else if (notifyShell_(NIM_DELETE, added_)) {
    active_ = false;
  }
}

bool TTaskIcon::Add() {
  NOTIFYICONDATAA data = Record();
  if (!notifyShell_(NIM_ADD, data)) return false;
  added_ = data;
  active_ = true;
  return true;
}

void TTaskIcon::RetryLater() {
  if (window_ == nullptr || retries_ >= std::size(kRetryPausesMs)) return;
  SetTimer(window_, kRetryTimer, kRetryPausesMs[retries_++], nullptr);
}

void TTaskIcon::Modify() {
  if (!active_) return;
  NOTIFYICONDATAA data = Record();
  notifyShell_(NIM_MODIFY, data);
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

void TTaskIcon::SetTaskIconID(UINT id) {
  if (id == id_) return;
  if (!active_) {
    id_ = id;
    return;
  }
  if (!notifyShell_(NIM_DELETE, added_)) return;
  active_ = false;
  id_ = id;
  if (!Add()) RetryLater();
}

void TTaskIcon::AddAgain() {
  if (!wanted_) return;
  // The new shell knows nothing of the icon: add it as it is now.
  active_ = false;
  if (Add()) {
    KillTimer(window_, kRetryTimer);
    if (OnShownLater) OnShownLater();
  } else {
    retries_ = 0;
    RetryLater();
  }
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
  if (message == WM_TIMER && self != nullptr && wParam == kRetryTimer) {
    KillTimer(window, kRetryTimer);
    if (self->wanted_ && !self->active_) {
      if (!self->Add()) {
        self->RetryLater();
      } else if (self->OnShownLater) {
        self->OnShownLater();
      }
    }
    return 0;
  }
  if (message == kNotifyMessage && self != nullptr && wParam == self->id_) {
    if (lParam == WM_LBUTTONUP && self->OnClick) {
      self->OnClick();
    } else if (lParam == WM_LBUTTONDBLCLK && self->OnDblClick) {
      self->OnDblClick();
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
