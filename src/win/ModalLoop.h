#pragma once
// Modal dialogs that keep their keyboard shortcuts: the dialog runs in a message
// loop of its own that translates its accelerators, with its owner disabled, as
// DialogBox would run it.

#include <windows.h>

namespace wordsnap {

// Creates the dialog from its template and runs it until EndModalDialog; returns
// the result given there, or -1 when the dialog could not be created.
INT_PTR RunModalDialog(HINSTANCE instance, int templateId, HWND owner, DLGPROC procedure, LPARAM parameter,
                       HACCEL accelerators);

// Ends a dialog that RunModalDialog runs, once the current message is handled.
void EndModalDialog(HWND dialog, INT_PTR result);

// Places a window in the middle of the screen that holds its owner (the main window).
void CentreOnScreen(HWND window);

}  // namespace wordsnap
