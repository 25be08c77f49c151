#pragma once
// TSnapOptions: the modal "Wordsnap Options" dialog, which edits the editor's
// send method, key delay and case rule in one place.

#include <windows.h>

#include <cstdint>

#include "core/store/wordsnap_record.h"

namespace wordsnap {

// Shows the dialog over owner (the editor) for its working record. OK writes the
// case rule, key delay and send method into working and returns true, for the
// editor to set its menu checks; Cancel, Esc and the close button change
// nothing and return false. Under a clipSetting other than 0 the method cannot
// be changed. showingFlag is set while the dialog is shown.
bool RunSnapOptions(HWND owner, bool& showingFlag, WordsnapRecord& working, std::int32_t clipSetting);

}  // namespace wordsnap
