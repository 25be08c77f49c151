#pragma once
// Loading and saving the settings record through the profile functions.

#include <string>

#include "core/settings/settings.h"
#include "core/seam/profile_store.h"

namespace wordsnap {

// Fills every field from the settings file. A missing key gives its default and a
// damaged value its fallback, so this cannot fail. An empty "Current File" becomes
// programDir (no trailing backslash) followed by "\KEY.WSN".
void LoadSettings(Settings& settings, ProfileStore& profiles, const std::string& programDir);

// Writes every key back, section by section in a fixed order. Refreshes the Bold
// and Italic mirrors from the print list font first. Write failures are ignored.
void SaveSettings(Settings& settings, ProfileStore& profiles);

}  // namespace wordsnap
