#pragma once
// TDoSpecial: the modal "Insert Symbol" picker of one of the characters 128 to
// 255, which the editor inserts at its caret.

#include <windows.h>

#include <string>

namespace wordsnap {

// Shows the picker over owner, its grid and buttons sized by dialogScale.
// Returns the chosen character (OK or a double click on the grid), or an empty
// text (Cancel, Esc or the close button). showingFlag is set while it is shown.
std::string RunSpecial(HWND owner, bool& showingFlag, double dialogScale);

}  // namespace wordsnap
