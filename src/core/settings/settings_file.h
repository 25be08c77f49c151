#pragma once
// Loading and saving the settings record through the profile functions.

#include <string>

#include "core/settings/settings.h"
#include "core/seam/profile_store.h"

namespace wordsnap {

// Fills every field from the settings file. A missing key gives its default and a
// damaged value its fallback, so this cannot fail. An empty "Current File" becomes
// dataDir (no trailing backslash: the program directory, or the per-user folder
// where that cannot be written) followed by "\KEY.WSN".
void LoadSettings(Settings& settings, ProfileStore& profiles, const std::string& dataDir);

// Writes every key back, section by section in a fixed order. Refreshes the Bold
// and Italic mirrors from the print list font first. A failed write does not stop
// the others; the result is false when any failed.
bool SaveSettings(Settings& settings, ProfileStore& profiles);

}  // namespace wordsnap
