#pragma once
// TUserManual: explains the manual's format, then opens the manual document.

#include <windows.h>

#include <string>

namespace wordsnap {

// Shows the notice; OK opens `manualPath` with the shell (in the help window when no
// program opens documents), or says it is missing.
void RunUserM(HWND owner, bool& showingFlag, const std::string& manualPath);

}  // namespace wordsnap
