#pragma once
// TDoSearch: the small modal dialog that asks the editor's Find for a text, and
// its Search and Replace for a text and its replacement.

#include <windows.h>

#include "core/search/editor_search.h"

namespace wordsnap {

// Shows "Find" (findMode: the replacement box disabled) or "Search and Replace"
// over owner. OK confirms when the find text is not empty; both texts come back
// as typed, at most 255 characters each. Cancel, Esc and the close button
// return an unconfirmed result. showingFlag is set while the dialog is shown.
SearchDialogResult RunSearchR(HWND owner, bool& showingFlag, bool findMode);

}  // namespace wordsnap
