#pragma once
// TImportOptions: the modal "Duplicates" dialog each import shows first, for what
// to do with an entry whose name a Wordsnap already has.

#include <windows.h>

#include <cstdint>

namespace wordsnap {

// Shows the dialog with the radio button of `duplicateSetting` checked (none for a
// value other than 1, 2 or 3) and returns the mode chosen: 1 import as a duplicate,
// 2 replace, 3 prompt (also when none is checked). "&Ok", Esc and the close button
// all take the choice. showingFlag is set while the dialog is shown.
std::int32_t RunImportOptions(HWND owner, bool& showingFlag, std::int32_t duplicateSetting);

}  // namespace wordsnap
