#include "SettingsSave.h"

#include "MessageBoxes.h"
#include "core/settings/file_locations.h"
#include "core/settings/settings_file.h"
#include "core/version.h"

namespace wordsnap {

void SaveSettingsTelling(HWND owner, AppState& state, ProfileStore& profiles) {
  if (SaveSettings(state.settings, profiles) || state.settingsNotSavedTold) return;
  state.settingsNotSavedTold = true;
  const std::string file = state.settingsFile.empty() ? std::string(kSettingsFileName) : state.settingsFile;
  ShowMessage(owner, SettingsNotSavedMessage(file), kProgramTitle, MB_OK | MB_ICONWARNING);
}

}  // namespace wordsnap
