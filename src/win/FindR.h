#pragma once
// TDoFind: the small modal dialog that asks the main window's list search for its text.

#include <windows.h>

#include <optional>
#include <string>

#include "core/app_state.h"

namespace wordsnap {

// Shows "Find Text" with preset in its box. Returns the box's text without its
// surrounding spaces when OK is pressed (empty included), nothing when cancelled.
std::optional<std::string> RunDoFind(HWND owner, HINSTANCE instance, DialogFlags& flags, const std::string& preset);

}  // namespace wordsnap
