#pragma once
// The exports of the keyboard hook library WDSN95HK.DLL.

#include <windows.h>

#ifdef WORDSNAP_HOOK_BUILD
#define WORDSNAP_HOOK_API extern "C"
#else
#define WORDSNAP_HOOK_API extern "C" __declspec(dllimport)
#endif

WORDSNAP_HOOK_API void __stdcall WordsnapHookInit(HWND mainWindow);
WORDSNAP_HOOK_API void __stdcall WordsnapHookTerm();
WORDSNAP_HOOK_API void __stdcall WordsnapInUse(DWORD busy);
