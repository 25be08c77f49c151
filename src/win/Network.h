#pragma once
// The "Network Considerations" dialog: network mode, automatic synchronisation and
// its interval. There is no cancel: however it closes, its values are applied.

#include <windows.h>

#include <cstdint>

namespace wordsnap {

struct NetworkDialogValues {
  bool networkMode = false;
  bool autoSync = false;
  std::uint16_t syncMinutes = 0;
};

// Shows the dialog modally over owner with the given values; returns the values it
// closed with (minutes of 0 switch automatic synchronisation off).
NetworkDialogValues ShowNetworkDialog(HWND owner, const NetworkDialogValues& values);

}  // namespace wordsnap
