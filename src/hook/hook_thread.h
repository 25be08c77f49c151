#pragma once
// The watch on the keyboard and mouse for one main window: low-level hooks on a
// thread of their own with its own message loop. The hook procedures never wait
// on the main window's thread; they only post to it.

#include <windows.h>

namespace wordsnap::hook {

// Starts the watch; false when the hooks could not be set (nothing then runs).
bool StartWatch(HWND mainWindow) noexcept;
// Stops the watch and waits for its thread; nothing is posted afterwards.
void StopWatch() noexcept;
// Set while the program plays an expansion: the user's keys are held back
// meanwhile. Clearing it lets the held keys go.
void SetInUse(bool inUse) noexcept;

}  // namespace wordsnap::hook
