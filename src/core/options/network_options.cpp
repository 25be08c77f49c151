#include "core/options/network_options.h"

#include "core/settings/setting_values.h"
#include "core/sync/auto_sync.h"

namespace wordsnap {

NetworkDialogValues NetworkValuesFromBoxes(bool networkMode, bool autoSync, std::string_view minutesText) {
  const std::int32_t minutes = ReadIntegerValue(minutesText);  // blanks are skipped; non-numeric text gives 0
  NetworkDialogValues values{networkMode, autoSync,
                             static_cast<std::uint16_t>(minutes < 0 ? 0 : minutes > 99 ? 99 : minutes)};
  if (values.syncMinutes == 0) values.autoSync = false;
  return values;
}

void CloseNetworkDialog(Settings& settings, SyncState& sync, const NetworkDialogValues& chosen,
                        NetworkOptionsHost& host) {
  const bool networkWasOn = settings.networkMode;
  const bool autoSyncWasOn = settings.autoSync;
  settings.networkMode = chosen.networkMode;
  settings.autoSync = chosen.autoSync;
  settings.syncMinutes = chosen.syncMinutes;
  if (StartSyncTimerAfterNetworkDialog(sync, autoSyncWasOn, settings.autoSync)) {
    host.StartSyncTimer();
  } else {
    host.StopSyncTimer();
  }
  if (settings.networkMode && !networkWasOn) host.AttachNetwork();
  host.SaveSettings();
}

}  // namespace wordsnap
