#pragma once
// A word list in memory and its file form.
//
// File: "WSLX", u16 version (1), u16 kind, u16 language, u16 reserved,
// u32 entry count, then the entries in list order, each: u8 number of leading
// bytes shared with the previous entry's word, u8 frequency class, the rest of
// the word, NUL, the companion word (the correction of a change-list entry,
// else empty), NUL. Integers little-endian. Main and change lists are written
// sorted, so lookups need no index; user lists keep the order words were added.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wordsnap::spell {

enum class LexiconKind : std::uint16_t {
  Main = 0,     // words of the language
  Include = 1,  // user's words counted as valid
  Change = 2,   // common misspellings, each with its one correction
  Exclude = 3,  // user's words counted as invalid
};

inline constexpr std::size_t kMaxWordBytes = 255;  // a longer word is not stored

struct LexiconEntry {
  std::string word;
  std::string companion;
  std::uint8_t frequencyClass = 0;  // 1 small list, 2 default, 3 large; 0 for user words
};

class Lexicon {
 public:
  Lexicon(LexiconKind kind, std::uint16_t language) : kind_(kind), language_(language) {}

  // Nothing when the bytes are not a whole, well-formed list.
  static std::optional<Lexicon> Parse(std::string_view bytes);
  std::string Serialise() const;

  LexiconKind Kind() const { return kind_; }
  std::uint16_t Language() const { return language_; }
  std::size_t Size() const { return offsets_.size(); }
  std::string_view Word(std::size_t i) const;
  std::string_view Companion(std::size_t i) const;
  std::uint8_t FrequencyClass(std::size_t i) const { return classes_[i]; }

  // Index of the entry with exactly this word.
  std::optional<std::size_t> Find(std::string_view word) const;
  bool Contains(std::string_view word) const { return Find(word).has_value(); }

  // Appends an entry; words that are empty or too long are refused.
  bool Add(std::string_view word, std::string_view companion = {}, std::uint8_t frequencyClass = 0);

 private:
  void NoteAppended();

  LexiconKind kind_;
  std::uint16_t language_;
  std::string arena_;                   // "word\0companion\0" per entry
  std::vector<std::uint32_t> offsets_;  // entry starts in arena_
  std::vector<std::uint8_t> classes_;
  bool sorted_ = true;
  mutable std::vector<std::uint32_t> order_;  // entries by word, built on demand when not sorted
};

}  // namespace wordsnap::spell
