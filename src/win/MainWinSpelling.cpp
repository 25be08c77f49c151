// The main window's "&Spell Checker" menu: the dictionary in force and the user's
// two word lists. The language reaches the settings file with the next save.
#include "DictionaryMaintenance.h"
#include "MainWin.h"
#include "core/spell_check/spelling_files_of_app.h"
#include "platform/win32/win32_spelling_host.h"

namespace wordsnap {

void TMainWin::MenuAmericanClick() {
  state_.settings.americanDictionary = true;
  state_.spellingLists = UserListNamesFor(true);
  SetMenuChecks();
}

void TMainWin::MenuBritishClick() {
  state_.settings.americanDictionary = false;
  state_.spellingLists = UserListNamesFor(false);
  SetMenuChecks();
}

void TMainWin::MenuAddDictClick() {
  Win32SpellingHost host;
  RunDictionaryMaintenance(window_, state_.dialogs.myEditBox, host, SpellingFilesOf(state_), UserListMode::ValidWords);
}

void TMainWin::MenuExcludeDictClick() {
  Win32SpellingHost host;
  RunDictionaryMaintenance(window_, state_.dialogs.myEditBox, host, SpellingFilesOf(state_),
                           UserListMode::InvalidWords);
}

}  // namespace wordsnap
