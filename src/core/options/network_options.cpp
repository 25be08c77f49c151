#include "core/options/network_options.h"

#include <string>

#include "core/editor/trim_blanks.h"
#include "core/settings/setting_values.h"
#include "core/sync/auto_sync.h"

namespace wordsnap {

namespace {

constexpr std::int32_t kMostMinutes = 99;  // what the two characters of the box hold

// The number the whole text (spaces around it aside) spells, with an optional
// sign; 0 when it is no number, as "5m" is not.
std::int32_t WholeNumberOf(std::string_view text) {
  const std::string trimmed = TrimBlanks(text);
  std::size_t digits = 0;
  if (!trimmed.empty() && (trimmed[0] == '-' || trimmed[0] == '+')) digits = 1;
  if (digits == trimmed.size()) return 0;
  for (std::size_t i = digits; i < trimmed.size(); ++i) {
    if (trimmed[i] < '0' || trimmed[i] > '9') return 0;
  }
  return ReadIntegerValue(trimmed);
}

}  // namespace

NetworkDialogValues NetworkValuesFromBoxes(bool networkMode, bool autoSync, std::string_view minutesText,
                                           std::uint16_t shownMinutes) {
  NetworkDialogValues values{networkMode, autoSync, shownMinutes};
  // A value left as it was shown stays, even one above what the box lets the user type.
  if (minutesText != std::to_string(shownMinutes)) {
    const std::int32_t minutes = WholeNumberOf(minutesText);
    values.syncMinutes = static_cast<std::uint16_t>(minutes < 0 ? 0 : minutes > kMostMinutes ? kMostMinutes : minutes);
  }
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
