#pragma once
// The process-wide values of the program, owned in one place and handed to whoever
// needs them, so tests can build a fresh one.

#include <cstdint>
#include <string>

#include "core/settings/settings.h"
#include "core/spell_check/spelling_files.h"
#include "core/store/wordsnap_store.h"

namespace wordsnap {

// One flag per dialog, set while that dialog is shown. While any is set the main
// window does not hide itself when the program loses the focus.
struct DialogFlags {
  bool wordsnapOptions = false;
  bool about = false;
  bool modHotKeys = false;
  bool doSpecial = false;
  bool doSearch = false;
  bool networkConsiderations = false;
  bool userManual = false;
  bool spellSuggestions = false;
  bool snapOptions = false;
  bool dateOrTime = false;
  bool importOptions = false;
  bool doFind = false;
  bool myEditBox = false;

  bool Any() const {
    return wordsnapOptions || about || modHotKeys || doSpecial || doSearch || networkConsiderations ||
           userManual || spellSuggestions || snapOptions || dateOrTime || importOptions || doFind ||
           myEditBox;
  }
};

struct AppState {
  Settings settings;
  std::string programDir;   // directory of the program file, no trailing backslash
  // Where the program keeps the files it creates itself (the first-run data file,
  // user lists): programDir when it can be written, else the per-user folder. No
  // trailing backslash.
  std::string userFilesDir;
  std::string settingsFile;            // full path of the settings file in use
  bool settingsNotSavedTold = false;   // the user has been told a save failed
  WordsnapStore store;      // the open data file's tree, record count, prefix keys, current record
  DialogFlags dialogs;
  UserListNames spellingLists = UserListNamesFor(true);  // chosen at start-up from the settings
  double dialogScale = 1.0;   // the factor by which dialogs that scale themselves do so
  bool restrictedB = false;   // "/B": editing commands disabled
  bool restrictedBA = false;  // "/BA": editing, file and option commands disabled
};

}  // namespace wordsnap
