#pragma once
// TPanel: a plain container window of the main window. It hands its children's
// notifications (commands, owner drawing, context menus, colours) to its own
// parent, and can draw a raised frame (a bevel) on its face.

#include <windows.h>

namespace wordsnap {

inline constexpr const char* kPanelClass = "TPanel";

// Registers the panel class once per process; true when it is available.
bool RegisterPanelClass(HINSTANCE instance);

// Creates a panel; style adds to WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN.
HWND CreatePanel(HWND parent, HINSTANCE instance, DWORD style, int id);

// Sets the rectangle of the panel's raised frame (empty: none) and repaints.
void SetPanelBevel(HWND panel, const RECT& bevel);

}  // namespace wordsnap
