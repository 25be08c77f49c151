#pragma once
// The "Network Considerations" dialog's rules: the values it closes with, read
// from its boxes, and what closing it changes (there is no cancel: however it
// closes, its values are applied).

#include <cstdint>
#include <string_view>

#include "core/settings/settings.h"
#include "core/sync/sync_state.h"

namespace wordsnap {

struct NetworkDialogValues {
  bool networkMode = false;
  bool autoSync = false;
  std::uint16_t syncMinutes = 0;
};

// The values of the dialog's boxes. The minutes are the number the text spells,
// spaces around it aside (0 for text that is no number), held to 0..99; a text
// left as the dialog showed `shownMinutes` keeps that value as it is. 0 minutes
// switch automatic synchronisation off.
NetworkDialogValues NetworkValuesFromBoxes(bool networkMode, bool autoSync, std::string_view minutesText,
                                           std::uint16_t shownMinutes);

// What the main window does for the dialog once it has closed.
class NetworkOptionsHost {
 public:
  virtual ~NetworkOptionsHost() = default;
  virtual void StartSyncTimer() = 0;
  virtual void StopSyncTimer() = 0;
  // Reads the sync file beside the current data file and remembers its change count.
  virtual void AttachNetwork() = 0;
  virtual void SaveSettings() = 0;
};

// Applies the values the dialog closed with: the settings take them, the minute
// timer runs exactly when automatic synchronisation is on (counting from 0 if it
// was off before), a network mode just switched on reads the sync file, and the
// settings are saved.
void CloseNetworkDialog(Settings& settings, SyncState& sync, const NetworkDialogValues& chosen,
                        NetworkOptionsHost& host);

}  // namespace wordsnap
