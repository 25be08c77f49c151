#pragma once
// TWordsnapOptions: the modal "Prefix and Suffix Keys" dialog, which chooses
// between prefix keys and a suffix key, and how the suffix mode behaves.

#include <windows.h>

#include <optional>
#include <string>

#include "core/options/prefix_suffix_options.h"
#include "core/settings/settings.h"

namespace wordsnap {

// What OK changed, for the caller to carry out.
struct WordsnapOptionsResult {
  bool prefixKeysChanged = false;         // write prefixKeys into the data file
  HintFollowUp hint = HintFollowUp::None;  // bring the running hint prompt in line
};

// Shows the dialog over owner for settings and the data file's prefixKeys. OK
// stores the choices into both (settings in memory only) and returns what
// changed; Cancel or the close box return nothing and change nothing.
// showingFlag is set while the dialog is shown.
std::optional<WordsnapOptionsResult> RunOptions(HWND owner, bool& showingFlag, Settings& settings,
                                                std::string& prefixKeys);

}  // namespace wordsnap
