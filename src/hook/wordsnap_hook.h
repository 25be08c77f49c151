#pragma once
// The exports of the keyboard hook library WDSN95HK.DLL; the messages it posts to
// the main window given to WordsnapHookInit are in its contract, hook_contract.h.

#include <windows.h>

#include "core/hook/hook_contract.h"

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

// The messages posted to that window and the marks of simulated keys.
using wordsnap::kWordsnapBusyEndMessage;
using wordsnap::kWordsnapInjectedMark;
using wordsnap::kWordsnapKeystrokeCapsOff;
using wordsnap::kWordsnapKeystrokeCapsOn;
using wordsnap::kWordsnapKeystrokeMessage;
using wordsnap::kWordsnapKeystrokeReset;
using wordsnap::kWordsnapReleasedMark;
