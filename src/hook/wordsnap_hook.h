#pragma once
// The exports of the keyboard hook library WDSN95HK.DLL and the messages it posts
// to the main window given to WordsnapHookInit.

#include <windows.h>

#ifdef WORDSNAP_HOOK_BUILD
#define WORDSNAP_HOOK_API extern "C"
#else
#define WORDSNAP_HOOK_API extern "C" __declspec(dllimport)
#endif

// Starts watching the keyboard and mouse for the window; a running watch is
// stopped first, so a re-install is a plain second call.
WORDSNAP_HOOK_API void __stdcall WordsnapHookInit(HWND mainWindow) noexcept;
// Stops watching; nothing is posted after it returns.
WORDSNAP_HOOK_API void __stdcall WordsnapHookTerm() noexcept;
// Low byte 1 (any but 0): the program is playing an expansion, report nothing
// until its end-of-replay key (VK_EXECUTE, with the program's mark). Low byte 0:
// report typing again. Keys the user types meanwhile are held back and typed
// right after the replay ends (or after a few seconds at most).
WORDSNAP_HOOK_API void __stdcall WordsnapInUse(DWORD busy) noexcept;

// Keystroke message: wParam is one of the three below, lParam's low byte the
// ANSI character typed.
constexpr UINT kWordsnapKeystrokeMessage = 0x0401;
constexpr WPARAM kWordsnapKeystrokeCapsOff = 0;
constexpr WPARAM kWordsnapKeystrokeReset = 1;  // the caret may have moved: no character
constexpr WPARAM kWordsnapKeystrokeCapsOn = 2;
// Busy-end message: the end-of-replay key went by.
constexpr UINT kWordsnapBusyEndMessage = 0x0405;

// The program's own simulated keys carry this in dwExtraInfo (keybd_event's last
// argument); the hook never reports them as typing.
constexpr ULONG_PTR kWordsnapInjectedMark = 0x57534E50;
// The user's keys that the hook held back during a replay and sends again carry
// this: they are typing, but must not be held a second time.
constexpr ULONG_PTR kWordsnapReleasedMark = 0x57534E52;
