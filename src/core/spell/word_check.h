#pragma once
// Whether a word is spelt right, against the lists open for a check: the
// user's exclude lists win over everything, then the user's include lists and
// the main lists accept, then the change lists name an automatic correction.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/spell/lexicon.h"

namespace wordsnap::spell {

struct Verdict {
  enum class Kind { Known, Unknown, Change } kind = Kind::Known;
  std::string replacement;  // for Change, in the case pattern of the word
};

class WordCheck {
 public:
  explicit WordCheck(std::vector<const Lexicon*> lexicons) : lexicons_(std::move(lexicons)) {}

  Verdict Check(std::string_view word) const;

  // A known word in the forms a list may hold it: as written, and for a
  // capitalised or all-capital word also in lower case or capitalised.
  bool IsKnown(std::string_view word) const;
  bool IsExcluded(std::string_view word) const;

 private:
  bool InKind(LexiconKind kind, std::string_view word) const;
  std::optional<std::string> ChangeFor(std::string_view word) const;

  std::vector<const Lexicon*> lexicons_;
};

// The word with typographic apostrophes as the lists write them.
std::string PlainApostrophes(std::string_view word);

}  // namespace wordsnap::spell
