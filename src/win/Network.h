#pragma once
// The "Network Considerations" dialog: network mode, automatic synchronisation and
// its interval. There is no cancel: however it closes, its values are applied.

#include <windows.h>

#include "core/options/network_options.h"

namespace wordsnap {

// Shows the dialog modally over owner with the given values; returns the values it
// closed with (minutes of 0 switch automatic synchronisation off). showingFlag is
// set while the dialog is shown.
NetworkDialogValues RunNetwork(HWND owner, bool& showingFlag, const NetworkDialogValues& values);

}  // namespace wordsnap
