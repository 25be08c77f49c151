#pragma once
// TSpellSuggestions: asks what to do with one word the dictionaries do not know,
// for the editor's spell check. One dialog state serves a whole check: the dialog
// is centred when first shown and keeps the place the user moves it to.

#include <windows.h>

#include <string>
#include <vector>

#include "core/spell_check/spell_check_run.h"

namespace wordsnap {

struct SpellSuggestionsState {
  explicit SpellSuggestionsState(bool& flag) : showingFlag(flag) {}
  bool& showingFlag;
  bool americanDictionary = true;
  bool firstShowing = true;  // FormCreate: centred on the first showing only
  POINT place{};             // where the user left it
  WordDecision decision;     // what the user chose for the word shown; Ignore when closed
  std::string word;
  std::vector<std::string> suggestions;
  HFONT wordFont = nullptr;
};

// Shows the dialog modally for word, the first suggestion selected.
WordDecision ShowSpellSuggestions(HWND owner, SpellSuggestionsState& state, const std::string& word,
                                  const std::vector<std::string>& suggestions);

// The editor's spell check shows its messages and questions through this.
class EditorSpellDialogs final : public SpellCheckDialogs {
 public:
  EditorSpellDialogs(HWND editor, bool& showingFlag, bool americanDictionary);
  ~EditorSpellDialogs() override;
  void ShowMessage(const std::string& text, const std::string& caption) override;
  WordDecision AskAboutWord(const std::string& word, const std::vector<std::string>& suggestions) override;

 private:
  HWND editor_;
  SpellSuggestionsState state_;
};

}  // namespace wordsnap
