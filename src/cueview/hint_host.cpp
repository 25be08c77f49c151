#include "hint_host.h"

#include "core/hint/hint_protocol.h"
#include "hint_mapping_access.h"

namespace wordsnap {
namespace {

constexpr UINT_PTR kOwnerCheckTimer = 1;
constexpr UINT kOwnerCheckIntervalMs = 2000;

BOOL CALLBACK FindHintWindow(HWND window, LPARAM found) {
  char caption[256];
  const int length = GetWindowTextA(window, caption, sizeof(caption));
  if (length > 0 && IsHintWindowCaption(std::string_view(caption, static_cast<size_t>(length)))) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

bool HintWindowExists() {
  bool found = false;
  EnumWindows(FindHintWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

bool HintHost::Create(HINSTANCE instance, HWND mainWindow, int position) {
  mainWindow_ = mainWindow;
  position_ = position;

  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassA(&windowClass)) return false;

  // A real top-level window, never shown, so that enumerating windows finds it.
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, kCaption, WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, instance, this);
  if (!window_) return false;
  if (!popup_.Create(instance, window_)) {
    DestroyWindow(window_);
    return false;
  }
  SetTimer(window_, kOwnerCheckTimer, kOwnerCheckIntervalMs, nullptr);
  return true;
}

void HintHost::OnCommand(WPARAM command, LPARAM argument) {
  switch (command) {
    case static_cast<WPARAM>(HintCommand::Show): {
      const auto content = ReadHintFromMapping();
      if (content && !content->name.empty()) {
        popup_.Show(*content, position_);
      } else {
        popup_.Hide();
      }
      break;
    }
    case static_cast<WPARAM>(HintCommand::Hide):
      popup_.Hide();
      break;
    case static_cast<WPARAM>(HintCommand::Close):
      DestroyWindow(window_);
      break;
    case static_cast<WPARAM>(HintCommand::Position):
      if (const auto position = ValidHintPosition(argument)) {
        position_ = *position;
        popup_.MoveTo(position_);
      }
      break;
  }
}

void HintHost::OnOwnerCheck() {
  if (!IsWindow(mainWindow_)) DestroyWindow(window_);
}

LRESULT CALLBACK HintHost::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<HintHost*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);

  switch (message) {
    case kHintCommandMessage:
      self->OnCommand(wParam, lParam);
      return 0;
    case WM_TIMER:
      if (wParam == kOwnerCheckTimer) self->OnOwnerCheck();
      return 0;
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
      self->popup_.MoveTo(self->position_);  // the work area may have changed
      break;
    case WM_DESTROY:
      KillTimer(window, kOwnerCheckTimer);
      self->popup_.Destroy();
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace wordsnap
