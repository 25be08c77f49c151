#define WORDSNAP_HOOK_BUILD
#include "wordsnap_hook.h"

#include "core/hook/hook_contract.h"
#include "hook_thread.h"

namespace {
// Init and Term come from the main window's thread; the lock keeps a stray call
// from another thread from racing them.
SRWLOCK g_lifecycle = SRWLOCK_INIT;
}  // namespace

WORDSNAP_HOOK_API void __stdcall WordsnapHookInit(HWND mainWindow) noexcept {
  AcquireSRWLockExclusive(&g_lifecycle);
  wordsnap::hook::StartWatch(mainWindow);
  ReleaseSRWLockExclusive(&g_lifecycle);
}

WORDSNAP_HOOK_API void __stdcall WordsnapHookTerm() noexcept {
  AcquireSRWLockExclusive(&g_lifecycle);
  wordsnap::hook::StopWatch();
  ReleaseSRWLockExclusive(&g_lifecycle);
}

WORDSNAP_HOOK_API void __stdcall WordsnapInUse(DWORD busy) noexcept {
  wordsnap::hook::SetInUse((busy & 0xFF) != 0);
}

WORDSNAP_HOOK_API void __stdcall WordsnapKeystrokeRead(LPARAM keystrokeLParam) noexcept {
  wordsnap::hook::ReportRead(wordsnap::ReportNumberOf(keystrokeLParam));
}

// At the end of the process the watch thread has already been stopped by the
// system; keys it still kept (a re-install's Term that no Init followed) go now.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) noexcept {
  if (reason == DLL_PROCESS_DETACH && reserved != nullptr) wordsnap::hook::LetKeptKeysGo();
  return TRUE;
}
