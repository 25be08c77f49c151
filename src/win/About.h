#pragma once
// TAboutBox: the program's name, version and picture.

#include <windows.h>

namespace wordsnap {

// Shows the About box modally, unless one is shown already (its showing flag is set).
void RunAbout(HWND owner, bool& showingFlag, double dialogScale);

}  // namespace wordsnap
