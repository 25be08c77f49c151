#pragma once
// TDoFind: the small modal dialog that asks the main window's list search for its text.

#include <windows.h>

#include <optional>
#include <string>


namespace wordsnap {

// Shows "Find Text" with preset in its box. Returns the box's text without its
// surrounding spaces when OK is pressed (empty included), nothing when cancelled.
// showingFlag is set while the dialog is shown.
std::optional<std::string> RunFindR(HWND owner, bool& showingFlag, const std::string& preset);

}  // namespace wordsnap
