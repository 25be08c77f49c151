#pragma once
// The spelling files of the program's language and user lists in force.

#include "core/app_state.h"
#include "core/spell_check/spelling_files.h"

namespace wordsnap {

inline SpellingFiles SpellingFilesOf(const AppState& app) {
  return SpellingFilesFor(app.settings.americanDictionary, app.programDir, app.userFilesDir, app.spellingLists);
}

}  // namespace wordsnap
