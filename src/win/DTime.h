#pragma once
// TDateOrTime: the modal picker of a date or time format, which hands back the
// code the editor inserts at its caret.

#include <windows.h>

#include <string>

#include "core/picker/date_time_picker.h"
#include "core/settings/settings.h"

namespace wordsnap {

// Shows "Dates" or "Times" over owner, opening on the choices remembered in
// settings. Returns the code to insert; empty when cancelled or closed, or when
// no format was selected. OK stores the choice in settings (in memory only).
// showingFlag is set while the picker is shown; programDir locates the help file;
// the list's rows grow with dialogScale.
std::string RunDTime(HWND owner, bool& showingFlag, DateOrTimeMode mode, Settings& settings,
                     const std::string& programDir, double dialogScale);

}  // namespace wordsnap
