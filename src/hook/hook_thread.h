#pragma once
// The watch on the keyboard and mouse for the main window: low-level hooks on a
// thread of their own with its own message loop. The hook procedures never wait
// on the main window's thread; they only post to it.

#include <windows.h>

#include <cstdint>

namespace wordsnap::hook {

// Hooks the keyboard and mouse afresh (first in the chain) and reports to the
// window; a watch already running carries on with what it holds. False when the
// hooks could not be set.
bool StartWatch(HWND mainWindow) noexcept;
// Reports nothing from here on; the hooks pass every key a little longer, so a
// start that follows at once (a re-install) leaves no key unwatched.
void StopWatch() noexcept;
// Set while the program plays an expansion: the user's keys are kept meanwhile.
// Set again while playing: the replay is still making progress. Clearing it
// lets the kept keys go.
void SetInUse(bool inUse) noexcept;
// The process ends (the watch thread is gone): whatever is still kept is typed now, unread.
void LetKeptKeysGo() noexcept;
// The program has read the keystroke reports up to this number.
void ReportRead(std::uint32_t reportNumber) noexcept;

}  // namespace wordsnap::hook
