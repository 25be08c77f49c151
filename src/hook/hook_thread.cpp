#include "hook_thread.h"

#include <atomic>
#include <cstdint>
#include <vector>

#include "core/hook/key_filter.h"
#include "core/hook/key_hold.h"
#include "key_translation.h"
#include "wordsnap_hook.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace wordsnap::hook {

namespace {

std::atomic<bool> g_inUse{false};
// Counts the starts of the in-use state, so the hold can tell one replay from the next.
std::atomic<std::uint32_t> g_inUsePeriod{0};

HANDLE g_thread = nullptr;
std::atomic<DWORD> g_threadId{0};

// How long stopping waits for the hook thread, which only ever runs short handlers.
constexpr DWORD kStopTimeoutMs = 5000;
// How often the hook thread looks at the hold (the limit, the pace) while it is busy.
constexpr UINT kHoldTimerMs = kReleasePaceMs;

// Messages to the hook thread itself.
constexpr UINT kInUseChangedMessage = WM_APP + 1;
constexpr UINT kReleaseHeldMessage = WM_APP + 2;

std::uintptr_t IdentityOf(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

InUseState CurrentInUse() { return {g_inUse.load(), g_inUsePeriod.load()}; }

KeyOrigin OriginOf(ULONG_PTR extraInfo) {
  if (extraInfo == kWordsnapInjectedMark) return KeyOrigin::kOurs;
  if (extraInfo == kWordsnapReleasedMark) return KeyOrigin::kReleased;
  return KeyOrigin::kUser;
}

// Types held keys again, marked as released; returns how many the system took.
UINT SendReleasedKeys(const std::vector<KeyStroke>& keys) {
  if (keys.empty()) return 0;
  std::vector<INPUT> inputs(keys.size());
  for (std::size_t i = 0; i < keys.size(); ++i) {
    KEYBDINPUT& input = inputs[i].ki;
    inputs[i].type = INPUT_KEYBOARD;
    if (keys[i].virtualKey == VK_PACKET) {
      // A character sent as such rides in the scan code.
      input.wScan = static_cast<WORD>(keys[i].scanCode);
      input.dwFlags = KEYEVENTF_UNICODE;
    } else {
      input.wVk = static_cast<WORD>(keys[i].virtualKey);
      input.wScan = static_cast<WORD>(keys[i].scanCode & 0xFF);
      input.dwFlags = keys[i].extended ? KEYEVENTF_EXTENDEDKEY : 0;
    }
    if (!keys[i].down) input.dwFlags |= KEYEVENTF_KEYUP;
    input.dwExtraInfo = kWordsnapReleasedMark;
  }
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Everything the hook procedures need, owned by the hook thread.
class Session {
 public:
  // Caps Lock is followed from here on through the keys themselves: this thread reads no
  // keyboard input, so its own key state goes stale (under Wine it even starts with every
  // toggle off).
  explicit Session(HWND mainWindow) noexcept
      : mainWindow_(mainWindow),
        filter_((GetKeyState(VK_CAPITAL) & 1) != 0, IdentityOf(GetForegroundWindow())) {}

  // True when the key is held back (the hook swallows it).
  bool OnKey(WPARAM message, const KBDLLHOOKSTRUCT& key) {
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    const KeyOrigin origin = OriginOf(key.dwExtraInfo);
    const KeyStroke stroke{key.vkCode, key.scanCode, (key.flags & LLKHF_EXTENDED) != 0, down};
    const bool held = hold_.OnKey(stroke, origin, CurrentInUse(), GetTickCount());
    // A held key reaches the application, and is read, only when it is sent again.
    if (!held && Read(down, origin, key)) hold_.Reported(GetTickCount());
    // The end-of-replay key may just have ended the in-use state.
    hold_.Update(CurrentInUse(), GetTickCount());
    FollowHold();
    return held;
  }

  // The timer, or the program changed the in-use state.
  void CheckHold() {
    hold_.Update(CurrentInUse(), GetTickCount());
    ReleaseHeld();
  }

  // Sends the held keys that are due, in order. Each usually comes back through the
  // hook within SendInput; the next goes once it has (after a pause when it typed
  // a character: the timer sends it).
  void ReleaseHeld() {
    releasePosted_ = false;
    while (hold_.ReleaseDue()) {
      if (SendReleasedKeys({hold_.TakeNext(GetTickCount())}) == 0) hold_.NotSent();
    }
    FollowHold();
  }

  // The hook is going away: whatever is held goes to the application now, unread.
  void ReleaseAllHeld() {
    StopHoldTimer();
    SendReleasedKeys(hold_.TakeAll());
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
  // Reports the key to the main window; true when it typed a character.
  bool Read(bool down, KeyOrigin origin, const KBDLLHOOKSTRUCT& key) {
    const HWND foreground = down ? GetForegroundWindow() : nullptr;
    const KeyEvent event{key.vkCode, down, origin == KeyOrigin::kOurs, IdentityOf(foreground)};
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
        return !typed.ansi.empty();
      }
    }
    return false;
  }

  // Sending happens from the thread's message loop, once the hook procedure has returned.
  void FollowHold() {
    if (hold_.ReleaseDue() && !releasePosted_) {
      releasePosted_ = PostThreadMessageA(GetCurrentThreadId(), kReleaseHeldMessage, 0, 0) != FALSE;
    }
    if (hold_.Busy() && holdTimer_ == 0) {
      holdTimer_ = SetTimer(nullptr, 0, kHoldTimerMs, nullptr);
    } else if (!hold_.Busy()) {
      StopHoldTimer();
    }
  }
  void StopHoldTimer() {
    if (holdTimer_ != 0) KillTimer(nullptr, holdTimer_);
    holdTimer_ = 0;
  }

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
  KeyHold hold_;
  bool releasePosted_ = false;
  UINT_PTR holdTimer_ = 0;
};

// The hook procedures run on the thread that set the hooks; each thread finds its own session.
thread_local Session* t_session = nullptr;

LRESULT CALLBACK KeyboardProc(int code, WPARAM message, LPARAM data) noexcept {
  if (code == HC_ACTION && t_session != nullptr) {
    try {
      if (t_session->OnKey(message, *reinterpret_cast<const KBDLLHOOKSTRUCT*>(data))) return 1;
    } catch (...) {
      // Out of memory: this key goes unreported and is not held; the keyboard must keep working.
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
    // The hooks are called from inside GetMessage.
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
      try {
        switch (message.message) {
          case WM_TIMER:
          case kInUseChangedMessage:
            session.CheckHold();
            break;
          case kReleaseHeldMessage:
            session.ReleaseHeld();
            break;
          default:
            break;
        }
      } catch (...) {
        // Out of memory while sending held keys: the timer tries again.
      }
    }
  }
  if (mouse != nullptr) UnhookWindowsHookEx(mouse);
  if (keyboard != nullptr) UnhookWindowsHookEx(keyboard);
  t_session = nullptr;
  try {
    session.ReleaseAllHeld();
  } catch (...) {
  }
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
  g_threadId.store(threadId);
  return true;
}

void StopWatch() noexcept {
  if (g_thread == nullptr) return;
  PostThreadMessageA(g_threadId.load(), WM_QUIT, 0, 0);
  WaitForSingleObject(g_thread, kStopTimeoutMs);
  CloseHandle(g_thread);
  g_thread = nullptr;
  g_threadId.store(0);
}

void SetInUse(bool inUse) noexcept {
  if (inUse) g_inUsePeriod.fetch_add(1);
  g_inUse.store(inUse);
  // Wakes the hook thread, which lets held keys go once the program is free.
  const DWORD thread = g_threadId.load();
  if (thread != 0) PostThreadMessageA(thread, kInUseChangedMessage, 0, 0);
}

}  // namespace wordsnap::hook
