#pragma once
// Reading an import file one character at a time, with the two look-ahead tests
// both import formats are built on. Neither test consumes anything.

#include <cstddef>
#include <string_view>

namespace wordsnap {

inline constexpr char kCarriageReturn = '\r';
inline constexpr char kLineFeed = '\n';
inline constexpr char kEndOfFileMark = '\x1a';  // Ctrl+Z: the file ends there

class ImportFileReader {
 public:
  explicit ImportFileReader(std::string_view bytes) : bytes_(bytes) {}

  // The next character is Ctrl+Z, or there is none.
  bool AtFileEnd() const { return pos_ >= bytes_.size() || bytes_[pos_] == kEndOfFileMark; }
  // The next character is CR or Ctrl+Z, or there is none.
  bool AtLineEnd() const { return AtFileEnd() || bytes_[pos_] == kCarriageReturn; }
  // The next character; only when there is one (not AtEnd).
  char Peek() const { return bytes_[pos_]; }
  // Consumes the next character; only when there is one (not AtEnd).
  char Get() { return bytes_[pos_++]; }
  // No character left at all (a Ctrl+Z is still a character here).
  bool AtEnd() const { return pos_ >= bytes_.size(); }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

}  // namespace wordsnap
