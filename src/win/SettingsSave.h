#pragma once
// The program's one way of saving the settings: a save that fails (a read-only
// settings file, a full disk) is told to the user once per run, not lost silently.

#include <windows.h>

#include "core/app_state.h"
#include "core/seam/profile_store.h"

namespace wordsnap {

void SaveSettingsTelling(HWND owner, AppState& state, ProfileStore& profiles);

}  // namespace wordsnap
