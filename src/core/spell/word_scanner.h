#pragma once
// Finds the words of a text to check: runs of letters with apostrophes
// inside them ("don't", "O'Neill"). Runs with digits, the program's date and
// time codes ("<MM/DD/YY{NP007}>") and runs too long for a word buffer are
// stepped over, never offered as words.

#include <cstddef>
#include <optional>
#include <string_view>

namespace wordsnap::spell {

inline constexpr std::size_t kMaxCheckedWord = 49;  // fits a 50-character word buffer

struct ScannedWord {
  std::size_t start = 0;
  std::size_t length = 0;
};

// The first word at or after `from`.
std::optional<ScannedWord> NextWord(std::string_view text, std::size_t from);

}  // namespace wordsnap::spell
