#pragma once
// TMyEditBox: the user keeps one of the word lists of the dictionary in force,
// the words counted as valid or those counted as invalid.

#include <windows.h>

#include "core/seam/spelling_host.h"
#include "core/spell_check/dictionary_maintenance.h"
#include "core/spell_check/spelling_files.h"

namespace wordsnap {

// Shows the dialog modally over owner; OK rewrites the list's file with the rows
// shown. showingFlag is set while it is shown.
void RunDictionaryMaintenance(HWND owner, bool& showingFlag, SpellingHost& host, const SpellingFiles& files,
                              UserListMode mode);

}  // namespace wordsnap
