#pragma once
// Inserting a code or symbol into the editor's replacement text at the caret.

#include <cstddef>
#include <string>
#include <string_view>

namespace wordsnap {

// The most text the editor's insertions work on; an insertion that would pass it is refused.
inline constexpr std::size_t kInsertionLimit = 5000;

inline constexpr const char* kTextExceedsMaximum = "Text exceeds maximum length.  Text not added.";

// Whether `count` more characters still fit beside a memo holding `memoLength`.
// A memo already past the limit (typed or pasted in) takes no insertion at all.
bool InsertionFits(std::size_t memoLength, std::size_t count);

struct Insertion {
  std::string text;    // the memo's new text
  std::size_t caret;   // where the caret goes: just after the inserted text
};

// Puts `inserted` in front of position `at` of `memo` (a caret past the end counts
// as the end). A selection that starts at `at` is not replaced: it follows the
// inserted text unchanged.
Insertion InsertAtCaret(std::string_view memo, std::size_t at, std::string_view inserted);

}  // namespace wordsnap
