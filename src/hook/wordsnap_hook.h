#pragma once
// The exports of the keyboard hook library WDSN95HK.DLL. The messages it posts
// to the main window given to WordsnapHookInit, and the marks on simulated keys,
// are in core/hook/hook_contract.h.

#include <windows.h>

#ifdef WORDSNAP_HOOK_BUILD
#define WORDSNAP_HOOK_API extern "C"
#else
#define WORDSNAP_HOOK_API extern "C" __declspec(dllimport)
#endif

// Starts watching the keyboard and mouse for the window, with fresh hooks first
// in the system's chain; what a running watch holds carries over, so a
// re-install (Term, then at once Init) loses no key and no in-use state.
WORDSNAP_HOOK_API void __stdcall WordsnapHookInit(HWND mainWindow) noexcept;
// Stops reporting; nothing is posted after it returns.
WORDSNAP_HOOK_API void __stdcall WordsnapHookTerm() noexcept;
// Low byte 1 (any but 0): the program is playing an expansion; report nothing
// until its end-of-replay key (VK_EXECUTE, with the program's mark). Said again
// while playing, it tells the hook the replay is still making progress. Low byte
// 0: report typing again. Keys the user types meanwhile are kept and typed right
// after the replay ends (or once the program has made no progress for a few seconds).
WORDSNAP_HOOK_API void __stdcall WordsnapInUse(DWORD busy) noexcept;
// The program has read the keystroke report with this lParam (and every one
// before it). A program that says so is never overtaken: the user's keys typed
// after a report wait until it is read, so the key after a Wordsnap's name lands
// after the replacement. Without it, the hook only guesses with a short pause.
WORDSNAP_HOOK_API void __stdcall WordsnapKeystrokeRead(LPARAM keystrokeLParam) noexcept;
