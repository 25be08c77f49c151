#pragma once
// TModHotKeys: the modal editor of one Wordsnap. It reads from and writes into
// the current-record buffer and never touches the data file; the caller stores
// the buffer when the editor reports an update.

#include <windows.h>

#include <cstddef>
#include <string>

#include "DialogGuard.h"
#include "core/app_state.h"
#include "core/search/editor_search.h"
#include "core/store/wordsnap_record.h"

namespace wordsnap {

struct ModHotKeysState {
  ModHotKeysState(AppState& state, bool edit) : app(state), editMode(edit) {}
  AppState& app;
  bool editMode = false;   // true: change the Wordsnap in the current-record buffer
  bool updated = false;    // set once Update has stored the Wordsnap into the buffer
  WordsnapRecord working;  // send method, case rule and key delay while the editor is open
  EditorSearch search;     // last search text and search offset, for the editor's life
  HFONT labelFont = nullptr;
  TDialogShowing* showing = nullptr;  // the editor's dialog-showing flag
};

// Shows the editor modally over owner; true when Update stored the Wordsnap in
// the current-record buffer (in new mode also raising the record count).
// showingFlag is set while the editor is shown.
bool RunHKMod(HWND owner, bool& showingFlag, AppState& app, bool editMode);

// Runs the symbol picker and inserts its character at the caret when it fits.
void DoSymbols(HWND dialog, AppState& app);

// For the pickers that insert into an open editor's replacement text:
// whether `count` more characters fit (shows the refusal itself), and the insertion at the caret.
bool CheckSize(HWND dialog, std::size_t count);
void SetIt(HWND dialog, const std::string& text);

}  // namespace wordsnap
