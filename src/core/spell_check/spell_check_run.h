#pragma once
// Checking the spelling of a replacement text: each word the dictionaries do not
// know is offered with its suggestions; common misspellings with one certain
// correction are changed without asking. The text is changed in place.

#include <optional>
#include <string>
#include <vector>

#include "core/seam/spelling_host.h"
#include "core/spell_check/spelling_files.h"

namespace wordsnap {

enum class WordAction { Replace, Ignore, Add, Abort };

struct WordDecision {
  WordAction action = WordAction::Ignore;
  std::string replacement;  // the chosen suggestion, for Replace
};

// What a check shows the user: message boxes and the suggestions dialog.
class SpellCheckDialogs {
 public:
  virtual ~SpellCheckDialogs() = default;
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
  // The suggestions dialog for one unknown word; suggestions is never empty.
  virtual WordDecision AskAboutWord(const std::string& word, const std::vector<std::string>& suggestions) = 0;
};

enum class SpellCheckResult {
  NotRun,    // a main list could not be opened (the user was told); the text is as it was
  AllFound,  // no unknown word (automatic changes may have been made)
  Complete,  // every unknown word was dealt with
  Aborted,   // the user stopped; changes made before stay
};

// Checks `text` with the lists of `files`, asking through `dialogs`, in a session
// of its own that is closed before it returns. Replacements lengthen the text by
// at most 200 characters in all: the library refuses one that would go further,
// and the word stays.
SpellCheckResult CheckSpelling(SpellingHost& host, SpellCheckDialogs& dialogs, const SpellingFiles& files,
                               std::string& text);

// What the user is told at the end of a check that ran: caption and text.
struct SpellCheckReport {
  std::string caption;
  std::string text;
};
std::optional<SpellCheckReport> ReportOf(SpellCheckResult result);

// The suggestions dialog's notice: which dictionary did not know the word.
std::string SuggestionNoticeText(bool americanDictionary);

// The suggestions in a list as the library delivers it (each NUL-terminated, the
// list closed by an empty text), in order, without those too long to be put back.
std::vector<std::string> SuggestionsIn(const char* buffer, std::size_t size);

}  // namespace wordsnap
