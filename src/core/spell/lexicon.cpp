#include "core/spell/lexicon.h"

#include <algorithm>
#include <cstring>

namespace wordsnap::spell {

namespace {

constexpr char kMagic[4] = {'W', 'S', 'L', 'X'};
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kHeaderSize = 16;

std::uint16_t ReadU16(std::string_view b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8));
}

std::uint32_t ReadU32(std::string_view b, std::size_t at) {
  return static_cast<std::uint32_t>(ReadU16(b, at)) | (static_cast<std::uint32_t>(ReadU16(b, at + 2)) << 16);
}

void PutU16(std::string& out, std::uint16_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>(v >> 8));
}

void PutU32(std::string& out, std::uint32_t v) {
  PutU16(out, static_cast<std::uint16_t>(v & 0xFFFF));
  PutU16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace

std::optional<Lexicon> Lexicon::Parse(std::string_view bytes) {
  if (bytes.size() < kHeaderSize || std::memcmp(bytes.data(), kMagic, 4) != 0) return std::nullopt;
  if (ReadU16(bytes, 4) != kVersion) return std::nullopt;
  const std::uint16_t kind = ReadU16(bytes, 6);
  if (kind > 3) return std::nullopt;
  Lexicon lex(static_cast<LexiconKind>(kind), ReadU16(bytes, 8));
  const std::uint32_t count = ReadU32(bytes, 12);
  // Every entry takes at least four bytes: a count that cannot fit is damage.
  if (count > (bytes.size() - kHeaderSize) / 4) return std::nullopt;
  lex.offsets_.reserve(count);
  lex.classes_.reserve(count);
  lex.arena_.reserve(bytes.size() + count);

  std::size_t at = kHeaderSize;
  std::string previous;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (bytes.size() - at < 2) return std::nullopt;
    const std::size_t shared = static_cast<unsigned char>(bytes[at]);
    const auto frequencyClass = static_cast<std::uint8_t>(bytes[at + 1]);
    at += 2;
    if (shared > previous.size()) return std::nullopt;
    const std::size_t wordEnd = bytes.find('\0', at);
    if (wordEnd == std::string_view::npos) return std::nullopt;
    const std::size_t companionEnd = bytes.find('\0', wordEnd + 1);
    if (companionEnd == std::string_view::npos) return std::nullopt;
    const std::size_t wordSize = shared + (wordEnd - at);
    if (wordSize == 0 || wordSize > kMaxWordBytes) return std::nullopt;

    const std::size_t start = lex.arena_.size();
    previous.resize(shared);
    previous.append(bytes.substr(at, wordEnd - at));
    lex.arena_.append(previous);
    lex.arena_.push_back('\0');
    lex.arena_.append(bytes.substr(wordEnd + 1, companionEnd - wordEnd - 1));
    lex.arena_.push_back('\0');
    lex.offsets_.push_back(static_cast<std::uint32_t>(start));
    lex.classes_.push_back(frequencyClass);
    lex.NoteAppended();
    at = companionEnd + 1;
  }
  if (at != bytes.size()) return std::nullopt;
  return lex;
}

std::string Lexicon::Serialise() const {
  std::string out(kMagic, 4);
  PutU16(out, kVersion);
  PutU16(out, static_cast<std::uint16_t>(kind_));
  PutU16(out, language_);
  PutU16(out, 0);
  PutU32(out, static_cast<std::uint32_t>(offsets_.size()));
  std::string_view previous;
  for (std::size_t i = 0; i < offsets_.size(); ++i) {
    const std::string_view word = Word(i);
    std::size_t shared = 0;
    while (shared < previous.size() && shared < word.size() && shared < 255 && previous[shared] == word[shared]) ++shared;
    out.push_back(static_cast<char>(shared));
    out.push_back(static_cast<char>(classes_[i]));
    out.append(word.substr(shared));
    out.push_back('\0');
    out.append(Companion(i));
    out.push_back('\0');
    previous = word;
  }
  return out;
}

std::string_view Lexicon::Word(std::size_t i) const { return std::string_view(arena_.data() + offsets_[i]); }

std::string_view Lexicon::Companion(std::size_t i) const {
  const std::size_t at = offsets_[i] + Word(i).size() + 1;
  return std::string_view(arena_.data() + at);
}

void Lexicon::NoteAppended() {
  const std::size_t n = offsets_.size();
  if (n >= 2 && sorted_ && !(Word(n - 2) < Word(n - 1))) sorted_ = false;
  order_.clear();
}

bool Lexicon::Add(std::string_view word, std::string_view companion, std::uint8_t frequencyClass) {
  if (word.empty() || word.size() > kMaxWordBytes || word.find('\0') != std::string_view::npos ||
      companion.find('\0') != std::string_view::npos) {
    return false;
  }
  offsets_.push_back(static_cast<std::uint32_t>(arena_.size()));
  arena_.append(word);
  arena_.push_back('\0');
  arena_.append(companion);
  arena_.push_back('\0');
  classes_.push_back(frequencyClass);
  NoteAppended();
  return true;
}

std::optional<std::size_t> Lexicon::Find(std::string_view word) const {
  if (sorted_) {
    const auto it = std::lower_bound(offsets_.begin(), offsets_.end(), word,
                                     [this](std::uint32_t off, std::string_view w) { return std::string_view(arena_.data() + off) < w; });
    if (it != offsets_.end() && std::string_view(arena_.data() + *it) == word) return static_cast<std::size_t>(it - offsets_.begin());
    return std::nullopt;
  }
  if (order_.size() != offsets_.size()) {
    order_.resize(offsets_.size());
    for (std::size_t i = 0; i < order_.size(); ++i) order_[i] = static_cast<std::uint32_t>(i);
    std::stable_sort(order_.begin(), order_.end(), [this](std::uint32_t a, std::uint32_t b) { return Word(a) < Word(b); });
  }
  const auto it = std::lower_bound(order_.begin(), order_.end(), word,
                                   [this](std::uint32_t i, std::string_view w) { return Word(i) < w; });
  if (it != order_.end() && Word(*it) == word) return *it;
  return std::nullopt;
}

}  // namespace wordsnap::spell
