#pragma once
// Suggestions for an unknown word: list words within two edits (insert,
// delete, substitute, swap two neighbours), ranked by edits, then by how
// common the word is (the frequency class), then by nearness: a substituted
// letter next to the intended one on the keyboard, a doubled or undoubled
// letter, count as nearer than other edits of the same number.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/spell/lexicon.h"
#include "core/spell/word_check.h"

namespace wordsnap::spell {

// What the suggester needs of one list: its words in lower case, by length,
// with a mask of the letters in each. Built once per opened list.
class SuggestIndex {
 public:
  explicit SuggestIndex(const Lexicon& lexicon);

  struct Entry {
    std::uint32_t id;        // index in the lexicon
    std::uint32_t letters;   // bit per letter a..z, bit 26 for anything else
  };
  const Lexicon& Source() const { return *lexicon_; }
  const std::vector<Entry>& OfLength(std::size_t length) const;
  std::string_view Lower(std::uint32_t id) const;

 private:
  const Lexicon* lexicon_;
  std::string lower_;                     // lower-case words, NUL-separated, in lexicon order
  std::vector<std::uint32_t> lowerAt_;
  std::vector<std::vector<Entry>> byLength_;
};

std::uint32_t LetterMask(std::string_view lowerWord);

struct Suggestion {
  std::string word;
  int edits = 0;
  int frequencyClass = 0;
  int nearness = 0;  // lower is nearer
  bool caseKept = true;  // in the typed word's case pattern
};

// Up to `maxCount` suggestions, best first, in the case pattern of the word.
// Words the check counts as excluded are never suggested; suggestions longer
// than `maxLength` bytes are left out.
std::vector<Suggestion> Suggest(std::string_view word, const std::vector<const SuggestIndex*>& indexes,
                                const WordCheck& check, std::size_t maxCount, std::size_t maxLength);

// Edits and nearness between two lower-case words (the optimal string
// alignment distance), or nothing when more than `maxEdits` apart.
struct Distance {
  int edits;
  int nearness;
};
std::optional<Distance> EditDistance(std::string_view typed, std::string_view candidate, int maxEdits);

}  // namespace wordsnap::spell
