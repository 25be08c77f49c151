#pragma once
// The DPI the windows are drawn at. The program is aware of each monitor's DPI; where
// the system cannot say (older Windows, Wine), it is the screen's one DPI.

#include <windows.h>

#include "core/startup/window_on_screen.h"

namespace wordsnap {

// The DPI of the monitor the window is on.
int DpiOfWindow(HWND window);

// The area as a RECT, its far edges held to what a RECT holds (the area may come
// from a settings file).
RECT RectOf(const ScreenRect& area);

// The DPI of the monitor that holds most of the area, for a window yet to be made.
int DpiAtRect(const ScreenRect& area);

// Grows a client rectangle to the window's outer size for its style and menu, with the
// frame as thick as it is at the window's DPI.
void AdjustFrameForWindow(HWND window, RECT& client);

}  // namespace wordsnap
