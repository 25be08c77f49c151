#pragma once
// Lets the test thread's windows take their messages (timers, posted retries) until
// a condition holds or the time is up: a bounded wait, never a fixed sleep.
#include <windows.h>

namespace wordsnap::win_test {

template <typename Condition>
bool PumpUntil(Condition done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  return true;
}

}  // namespace wordsnap::win_test
