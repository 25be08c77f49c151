#include "hook_thread.h"

#include <atomic>
#include <cstdint>

#include "core/hook/key_filter.h"
#include "key_translation.h"
#include "wordsnap_hook.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace wordsnap::hook {

namespace {

std::atomic<bool> g_inUse{false};

HANDLE g_thread = nullptr;
DWORD g_threadId = 0;

// How long stopping waits for the hook thread, which only ever runs short handlers.
constexpr DWORD kStopTimeoutMs = 5000;

std::uintptr_t IdentityOf(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

// Everything the hook procedures need, owned by the hook thread.
class Session {
 public:
  // Caps Lock is followed from here on through the keys themselves: this thread reads no
  // keyboard input, so its own key state goes stale (under Wine it even starts with every
  // toggle off).
  explicit Session(HWND mainWindow) noexcept
      : mainWindow_(mainWindow),
        filter_((GetKeyState(VK_CAPITAL) & 1) != 0, IdentityOf(GetForegroundWindow())) {}

  void OnKey(WPARAM message, const KBDLLHOOKSTRUCT& key) {
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    const HWND foreground = down ? GetForegroundWindow() : nullptr;
    const KeyEvent event{key.vkCode, down, key.dwExtraInfo == kWordsnapInjectedMark, IdentityOf(foreground)};
    const KeyDecision decision = filter_.OnKey(event, g_inUse.load());
    if (decision.resetFirst) Reset();
    switch (decision.action) {
      case KeyAction::kNothing:
        break;
      case KeyAction::kReset:
        Reset();
        break;
      case KeyAction::kBusyEnd:
        g_inUse.store(false);
        Post(kWordsnapBusyEndMessage, 0, 0);
        break;
      case KeyAction::kTranslate: {
        const ModifierState modifiers = filter_.Modifiers();
        const TypedText typed = translator_.Translate(key, modifiers, LayoutOfWindow(foreground));
        if (!typed.madeCharacter) {
          Reset();
          break;
        }
        const WPARAM caps = modifiers.capsLock ? kWordsnapKeystrokeCapsOn : kWordsnapKeystrokeCapsOff;
        for (const char character : typed.ansi) {
          Post(kWordsnapKeystrokeMessage, caps, static_cast<unsigned char>(character));
        }
        break;
      }
    }
  }

  void OnMouse(WPARAM message, const MSLLHOOKSTRUCT& mouse) {
    switch (message) {
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
      case WM_XBUTTONDOWN:
        if (filter_.OnMouseButton(mouse.dwExtraInfo == kWordsnapInjectedMark, g_inUse.load()) ==
            KeyAction::kReset) {
          Reset();
        }
        break;
      default:
        break;
    }
  }

 private:
  void Reset() {
    translator_.Clear();
    Post(kWordsnapKeystrokeMessage, kWordsnapKeystrokeReset, 0);
  }
  void Post(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (mainWindow_ != nullptr) PostMessageA(mainWindow_, message, wParam, lParam);
  }

  HWND mainWindow_;
  KeyFilter filter_;
  KeyTranslator translator_;
};

// The hook procedures run on the thread that set the hooks; each thread finds its own session.
thread_local Session* t_session = nullptr;

LRESULT CALLBACK KeyboardProc(int code, WPARAM message, LPARAM data) noexcept {
  if (code == HC_ACTION && t_session != nullptr) {
    try {
      t_session->OnKey(message, *reinterpret_cast<const KBDLLHOOKSTRUCT*>(data));
    } catch (...) {
      // Out of memory: this key goes unreported; the keyboard must keep working.
    }
  }
  return CallNextHookEx(nullptr, code, message, data);
}

LRESULT CALLBACK MouseProc(int code, WPARAM message, LPARAM data) noexcept {
  if (code == HC_ACTION && t_session != nullptr) {
    try {
      t_session->OnMouse(message, *reinterpret_cast<const MSLLHOOKSTRUCT*>(data));
    } catch (...) {
    }
  }
  return CallNextHookEx(nullptr, code, message, data);
}

struct StartInfo {
  HWND mainWindow = nullptr;
  HANDLE ready = nullptr;
  bool hooked = false;
};

DWORD WINAPI WatchThread(LPVOID parameter) noexcept {
  auto* start = static_cast<StartInfo*>(parameter);
  MSG message;
  // Gives the thread its message queue before anyone may post the quit message to it.
  PeekMessageA(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);

  Session session(start->mainWindow);
  t_session = &session;
  const HINSTANCE module = reinterpret_cast<HINSTANCE>(&__ImageBase);
  const HHOOK keyboard = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardProc, module, 0);
  const HHOOK mouse = keyboard != nullptr ? SetWindowsHookExA(WH_MOUSE_LL, MouseProc, module, 0) : nullptr;
  start->hooked = keyboard != nullptr;
  SetEvent(start->ready);  // start belongs to the caller again from here on

  if (keyboard != nullptr) {
    // Only the quit message is ever posted here; the hooks are called from inside GetMessage.
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    }
  }
  if (mouse != nullptr) UnhookWindowsHookEx(mouse);
  if (keyboard != nullptr) UnhookWindowsHookEx(keyboard);
  t_session = nullptr;
  return 0;
}

}  // namespace

bool StartWatch(HWND mainWindow) noexcept {
  StartInfo start;
  start.mainWindow = mainWindow;
  start.ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (start.ready == nullptr) return false;
  DWORD threadId = 0;
  const HANDLE thread = CreateThread(nullptr, 0, WatchThread, &start, 0, &threadId);
  if (thread != nullptr) WaitForSingleObject(start.ready, INFINITE);
  CloseHandle(start.ready);
  if (thread == nullptr) return false;
  if (!start.hooked) {
    WaitForSingleObject(thread, kStopTimeoutMs);
    CloseHandle(thread);
    return false;
  }
  g_thread = thread;
  g_threadId = threadId;
  return true;
}

void StopWatch() noexcept {
  if (g_thread == nullptr) return;
  PostThreadMessageA(g_threadId, WM_QUIT, 0, 0);
  WaitForSingleObject(g_thread, kStopTimeoutMs);
  CloseHandle(g_thread);
  g_thread = nullptr;
  g_threadId = 0;
}

void SetInUse(bool inUse) noexcept { g_inUse.store(inUse); }

}  // namespace wordsnap::hook
