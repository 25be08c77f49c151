#include "hook_thread.h"

#include <atomic>
#include <new>
#include <cstdint>

#include "core/hook/hook_contract.h"
#include "core/hook/key_hold.h"
#include "core/hook/key_watch.h"
#include "key_translation.h"
#include "platform/win32/moment_stamps.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace wordsnap::hook {

namespace {

// What the program has said, written by its calls (any thread) and read by the
// hook thread at every key. The in-use word is the period number shifted left
// once, with the in-use bit below it, so that ending one replay can never end
// the next.
std::atomic<std::uint32_t> g_inUseWord{0};
std::atomic<bool> g_acknowledges{false};
std::atomic<std::uint32_t> g_readReport{0};
std::atomic<std::uint32_t> g_words{0};

// The watch thread lives from the first start to the end of the process; it is
// told to re-hook, to stop reading, or to check its hold.
HANDLE g_thread = nullptr;
std::atomic<DWORD> g_threadId{0};

// How long starting or stopping waits for the watch thread, which only ever runs short handlers.
constexpr DWORD kAnswerTimeoutMs = 5000;
// How often the watch thread looks at the hold (the limit, the pace) while it is busy.
constexpr UINT kHoldTimerMs = kReleasePaceMs;
// After a stop, the hooks stay in place (passing every key) this long, so that a
// re-install (a stop, then at once a start) never leaves a moment unhooked.
constexpr UINT kLingerMs = 2000;

// Messages to the watch thread.
constexpr UINT kCheckMessage = WM_APP + 1;  // a word from the program, or kept keys are due
constexpr UINT kHookMessage = WM_APP + 2;   // wParam: the Request
constexpr UINT kStopMessage = WM_APP + 3;   // wParam: the Request

// A request to the watch thread, answered by setting `done`. Whoever gives up
// waiting leaves it to the thread (it is then never freed: a few bytes, once).
struct Request {
  HANDLE done = nullptr;
  HWND mainWindow = nullptr;
  bool succeeded = false;
};

std::uintptr_t IdentityOf(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

void WakeWatch() {
  const DWORD thread = g_threadId.load();
  if (thread != 0) PostThreadMessageA(thread, kCheckMessage, 0, 0);
}

KeyOrigin OriginOf(ULONG_PTR extraInfo) {
  if (extraInfo == kInjectedKeyMark) return KeyOrigin::Ours;
  if (extraInfo == kReleasedKeyMark) return KeyOrigin::Released;
  return KeyOrigin::User;
}

// Types a kept key again, marked as released; true when the system took it.
bool SendReleasedKey(const KeyStroke& key) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  KEYBDINPUT& keyboard = input.ki;
  if (key.virtualKey == VK_PACKET) {
    // A character sent as such rides in the scan code.
    keyboard.wScan = static_cast<WORD>(key.scanCode);
    keyboard.dwFlags = KEYEVENTF_UNICODE;
  } else {
    keyboard.wVk = static_cast<WORD>(key.virtualKey);
    keyboard.wScan = static_cast<WORD>(key.scanCode & 0xFF);
    keyboard.dwFlags = key.extended ? KEYEVENTF_EXTENDEDKEY : 0;
  }
  if (!key.down) keyboard.dwFlags |= KEYEVENTF_KEYUP;
  keyboard.dwExtraInfo = kReleasedKeyMark;
  return SendInput(1, &input, sizeof(INPUT)) == 1;
}

// The hook thread's side of the watch: the system calls and the hooks themselves.
class Session final : public WatchHost {
 public:
  // Caps Lock is followed from here on through the keys themselves: this thread reads no
  // keyboard input, so its own key state goes stale (under Wine it even starts with every
  // toggle off).
  Session() noexcept
      : watch_(*this, (GetKeyState(VK_CAPITAL) & 1) != 0, IdentityOf(GetForegroundWindow())) {}

  ProgramState Program() override {
    const std::uint32_t inUse = g_inUseWord.load();
    return {(inUse & 1) != 0, inUse >> 1, g_acknowledges.load(), g_readReport.load(), g_words.load()};
  }
  std::uint32_t Now() override { return GetTickCount(); }
  bool Post(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
    if (message == kKeystrokeMessage) moments::Stamp("hook reported a key");
    return mainWindow_ != nullptr && PostMessageA(mainWindow_, message, wParam, lParam) != FALSE;
  }
  bool SendAgain(const KeyStroke& key) override { return SendReleasedKey(key); }
  TypedText Translate(const KeyStroke& key, const ModifierState& modifiers) override {
    KBDLLHOOKSTRUCT raw{};
    raw.vkCode = key.virtualKey;
    raw.scanCode = key.scanCode;
    raw.flags = key.extended ? LLKHF_EXTENDED : 0;
    return translator_.Translate(raw, modifiers, LayoutOfWindow(GetForegroundWindow()));
  }
  void ClearDeadKey() override { translator_.Clear(); }
  void EndInUse(std::uint32_t period) override {
    std::uint32_t playing = (period << 1) | 1;
    g_inUseWord.compare_exchange_strong(playing, period << 1);
  }

  // True when the key is kept (the hook swallows it).
  bool OnKey(WPARAM message, const KBDLLHOOKSTRUCT& key) {
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    const KeyStroke stroke{key.vkCode, key.scanCode, (key.flags & LLKHF_EXTENDED) != 0, down};
    const bool kept = watch_.OnKey(stroke, OriginOf(key.dwExtraInfo), IdentityOf(GetForegroundWindow()));
    FollowHold();
    return kept;
  }
  void OnMouse(WPARAM message, const MSLLHOOKSTRUCT& mouse) {
    switch (message) {
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
      case WM_XBUTTONDOWN:
        watch_.OnMouseButton(mouse.dwExtraInfo == kInjectedKeyMark);
        break;
      default:
        break;
    }
  }

  // The timer, or a word from the program: sends the kept keys that are due.
  void Check() {
    releasePosted_ = false;
    watch_.Check();
    FollowHold();
  }

  // Sets fresh hooks, first in the chain, before the old ones go: no key passes
  // unwatched in between. Reports then go to `mainWindow`.
  bool Hook(HWND mainWindow) {
    const HINSTANCE module = reinterpret_cast<HINSTANCE>(&__ImageBase);
    const HHOOK keyboard = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardProc, module, 0);
    if (keyboard == nullptr) return keyboard_ != nullptr && Resume(mainWindow);
    const HHOOK mouse = SetWindowsHookExA(WH_MOUSE_LL, MouseProc, module, 0);
    Unhook();
    keyboard_ = keyboard;
    mouse_ = mouse;
    return Resume(mainWindow);
  }

  // Nothing is reported any more; the hooks stay a little longer, then go. Kept
  // keys stay kept meanwhile: a start that follows has them read.
  void Stop() {
    watch_.StopReading();
    FollowHold();
    lingerTimer_ = SetTimer(nullptr, lingerTimer_, kLingerMs, nullptr);
  }

  void OnTimer(UINT_PTR timer) {
    if (timer != lingerTimer_ || lingerTimer_ == 0) {
      Check();
      return;
    }
    KillTimer(nullptr, lingerTimer_);
    lingerTimer_ = 0;
    Unhook();
    mainWindow_ = nullptr;
    watch_.LetAllGo();
    FollowHold();
  }

  // The process ends: whatever is still kept is typed, unread.
  void LetAllGo() { watch_.LetAllGo(); }

  static LRESULT CALLBACK KeyboardProc(int code, WPARAM message, LPARAM data) noexcept;
  static LRESULT CALLBACK MouseProc(int code, WPARAM message, LPARAM data) noexcept;

 private:
  bool Resume(HWND mainWindow) {
    if (lingerTimer_ != 0) KillTimer(nullptr, lingerTimer_);
    lingerTimer_ = 0;
    watch_.StartReading(mainWindow == mainWindow_);
    mainWindow_ = mainWindow;
    FollowHold();
    return true;
  }

  void Unhook() {
    if (mouse_ != nullptr) UnhookWindowsHookEx(mouse_);
    if (keyboard_ != nullptr) UnhookWindowsHookEx(keyboard_);
    mouse_ = keyboard_ = nullptr;
  }

  // Sending happens from the thread's message loop, once the hook procedure has returned.
  void FollowHold() {
    if (!releasePosted_ && watch_.ReleaseDue()) {
      releasePosted_ = PostThreadMessageA(GetCurrentThreadId(), kCheckMessage, 0, 0) != FALSE;
    }
    if (watch_.NeedsTimer() && holdTimer_ == 0) {
      holdTimer_ = SetTimer(nullptr, 0, kHoldTimerMs, nullptr);
    } else if (!watch_.NeedsTimer() && holdTimer_ != 0) {
      KillTimer(nullptr, holdTimer_);
      holdTimer_ = 0;
    }
  }

  HWND mainWindow_ = nullptr;
  HHOOK keyboard_ = nullptr;
  HHOOK mouse_ = nullptr;
  KeyTranslator translator_;
  KeyWatch watch_;
  bool releasePosted_ = false;
  UINT_PTR holdTimer_ = 0;
  UINT_PTR lingerTimer_ = 0;
};

// The hook procedures run on the watch thread.
Session* g_session = nullptr;
// Set while a hook procedure hands its event down the chain: an older hook of
// ours further down (for the moment a re-hook overlaps) then only passes it on.
thread_local bool t_passingOn = false;

LRESULT PassOn(int code, WPARAM message, LPARAM data) {
  t_passingOn = true;
  const LRESULT result = CallNextHookEx(nullptr, code, message, data);
  t_passingOn = false;
  return result;
}

LRESULT CALLBACK Session::KeyboardProc(int code, WPARAM message, LPARAM data) noexcept {
  if (code == HC_ACTION && g_session != nullptr && !t_passingOn) {
    try {
      if (g_session->OnKey(message, *reinterpret_cast<const KBDLLHOOKSTRUCT*>(data))) return 1;
    } catch (...) {
      // Out of memory: this key goes unreported and is not kept; the keyboard must keep working.
    }
  }
  return PassOn(code, message, data);
}

LRESULT CALLBACK Session::MouseProc(int code, WPARAM message, LPARAM data) noexcept {
  if (code == HC_ACTION && g_session != nullptr && !t_passingOn) {
    try {
      g_session->OnMouse(message, *reinterpret_cast<const MSLLHOOKSTRUCT*>(data));
    } catch (...) {
    }
  }
  return PassOn(code, message, data);
}

struct StartInfo {
  HANDLE ready = nullptr;
};

DWORD WINAPI WatchThread(LPVOID parameter) noexcept {
  MSG message;
  // Gives the thread its message queue before anyone may post to it.
  PeekMessageA(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
  // Lives as long as the process: at its end, what it keeps is typed still (LetKeptKeysGo).
  auto* session = new (std::nothrow) Session;
  g_session = session;
  SetEvent(static_cast<StartInfo*>(parameter)->ready);  // the start info belongs to the caller again
  if (session == nullptr) return 1;  // requests go unanswered: starting reports failure

  // The hooks are called from inside GetMessage.
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    try {
      switch (message.message) {
        case WM_TIMER:
          session->OnTimer(message.wParam);
          break;
        case kCheckMessage:
          session->Check();
          break;
        case kHookMessage: {
          auto* request = reinterpret_cast<Request*>(message.wParam);
          request->succeeded = session->Hook(request->mainWindow);
          SetEvent(request->done);
          break;
        }
        case kStopMessage: {
          auto* request = reinterpret_cast<Request*>(message.wParam);
          session->Stop();
          request->succeeded = true;
          SetEvent(request->done);
          break;
        }
        default:
          break;
      }
    } catch (...) {
      // Out of memory while sending kept keys: the timer tries again.
    }
  }
  g_session = nullptr;
  delete session;
  return 0;
}

bool StartThread() {
  if (g_thread != nullptr) return true;
  StartInfo start;
  start.ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (start.ready == nullptr) return false;
  // The thread keeps the library loaded for as long as it runs.
  HMODULE self = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&__ImageBase), &self);
  DWORD threadId = 0;
  const HANDLE thread = CreateThread(nullptr, 0, WatchThread, &start, 0, &threadId);
  if (thread != nullptr) WaitForSingleObject(start.ready, INFINITE);
  CloseHandle(start.ready);
  if (thread == nullptr) {
    if (self != nullptr) FreeLibrary(self);
    return false;
  }
  g_thread = thread;
  g_threadId = threadId;
  return true;
}

// Posts a request to the watch thread and waits for its answer.
bool Ask(UINT message, HWND mainWindow) {
  auto* request = new (std::nothrow) Request;
  if (request == nullptr) return false;
  request->done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  request->mainWindow = mainWindow;
  if (request->done == nullptr ||
      PostThreadMessageA(g_threadId.load(), message, reinterpret_cast<WPARAM>(request), 0) == FALSE) {
    if (request->done != nullptr) CloseHandle(request->done);
    delete request;
    return false;
  }
  if (WaitForSingleObject(request->done, kAnswerTimeoutMs) != WAIT_OBJECT_0) return false;
  const bool succeeded = request->succeeded;
  CloseHandle(request->done);
  delete request;
  return succeeded;
}

}  // namespace

bool StartWatch(HWND mainWindow) noexcept { return StartThread() && Ask(kHookMessage, mainWindow); }

void StopWatch() noexcept {
  if (g_thread != nullptr) Ask(kStopMessage, nullptr);
}

void SetInUse(bool inUse) noexcept {
  std::uint32_t word = g_inUseWord.load();
  for (;;) {
    std::uint32_t next = word;
    if (!inUse) {
      next = word & ~1u;
    } else if ((word & 1) == 0) {
      // A replay starts: a period of its own.
      next = (((word >> 1) + 1) << 1) | 1;
    }
    // Said again while playing: the replay is still making progress.
    if (g_inUseWord.compare_exchange_weak(word, next)) break;
  }
  g_words.fetch_add(1);
  // Wakes the watch thread, which lets kept keys go once the program is free.
  WakeWatch();
}

void LetKeptKeysGo() noexcept {
  if (g_session == nullptr) return;
  try {
    g_session->LetAllGo();
  } catch (...) {
  }
}

void ReportRead(std::uint32_t reportNumber) noexcept {
  std::uint32_t read = g_readReport.load();
  while (ReportIsNewer(reportNumber, read) && !g_readReport.compare_exchange_weak(read, reportNumber)) {
  }
  g_acknowledges.store(true);
  g_words.fetch_add(1);
  WakeWatch();
}

}  // namespace wordsnap::hook
