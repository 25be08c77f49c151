#define WORDSNAP_HOOK_BUILD
#include "wordsnap_hook.h"

WORDSNAP_HOOK_API void __stdcall WordsnapHookInit(HWND) {}
WORDSNAP_HOOK_API void __stdcall WordsnapHookTerm() {}
WORDSNAP_HOOK_API void __stdcall WordsnapInUse(DWORD) {}
