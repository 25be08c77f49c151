#include "core/spell/word_scanner.h"

#include <algorithm>

#include "core/engine/embedded_codes.h"
#include "core/spell/letters.h"

namespace wordsnap::spell {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsApostrophe(char c) { return c == '\'' || c == '\x92'; }
bool IsWordChar(char c) { return IsLetter(static_cast<unsigned char>(c)) || IsDigit(c); }

// Length of the date or time code starting at `at`, 0 when none starts there.
std::size_t CodeLengthAt(std::string_view text, std::size_t at) {
  if (text[at] != '<') return 0;
  const auto code = ReadCodeAt(text, at, LocalDateTime{{2000, 1, 1}, 0, 0, 0, 0});
  if (!code) return 0;
  return std::min(code->length, text.size() - at);
}

}  // namespace

std::optional<ScannedWord> NextWord(std::string_view text, std::size_t from) {
  std::size_t at = from;
  while (at < text.size()) {
    if (const std::size_t code = CodeLengthAt(text, at); code > 0) {
      at += code;
      continue;
    }
    if (!IsWordChar(text[at])) {
      ++at;
      continue;
    }
    // A run of letters and digits, with single apostrophes between them.
    const std::size_t start = at;
    bool digits = false;
    while (at < text.size()) {
      if (IsWordChar(text[at])) {
        digits = digits || IsDigit(text[at]);
        ++at;
      } else if (IsApostrophe(text[at]) && at + 1 < text.size() && IsWordChar(text[at + 1])) {
        ++at;
      } else {
        break;
      }
    }
    if (!digits && at - start <= kMaxCheckedWord) return ScannedWord{start, at - start};
  }
  return std::nullopt;
}

}  // namespace wordsnap::spell
