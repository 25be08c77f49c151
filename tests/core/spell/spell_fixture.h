#pragma once
// Small word lists and an in-memory file store for the spelling tests.

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "core/spell/lexicon.h"
#include "core/spell/spell_files.h"

namespace wordsnap::spell {

class MemorySpellFiles final : public SpellFiles {
 public:
  std::optional<std::string> Read(const std::string& path) override {
    const auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  bool Write(const std::string& path, std::string_view bytes) override {
    if (readOnly) return false;
    files[path] = std::string(bytes);
    return true;
  }
  std::map<std::string, std::string> files;
  bool readOnly = false;
};

// A sorted main list; words given as "word:class".
inline Lexicon MainList(std::vector<std::pair<std::string, int>> words) {
  std::sort(words.begin(), words.end());
  Lexicon lex(LexiconKind::Main, 1033);
  for (const auto& [w, c] : words) lex.Add(w, {}, static_cast<std::uint8_t>(c));
  return lex;
}

inline Lexicon SampleMain() {
  return MainList({{"the", 1}, {"then", 1}, {"they", 1}, {"ten", 1}, {"tea", 2}, {"quick", 1}, {"brown", 1},
                   {"fox", 1}, {"don't", 1}, {"O'Neill", 2}, {"Paris", 1}, {"NASA", 2}, {"receive", 1},
                   {"relieve", 2}, {"a", 1}, {"lot", 1}, {"is", 1}, {"it", 1}, {"house", 1}, {"hose", 2},
                   {"horse", 1}, {"mouse", 1}, {"word", 1}, {"words", 1}, {"world", 1}, {"wordy", 3}});
}

inline Lexicon SampleChanges() {
  Lexicon lex(LexiconKind::Change, 1033);
  lex.Add("recieve", "receive", 0);
  lex.Add("teh", "the", 0);
  return lex;
}

}  // namespace wordsnap::spell
