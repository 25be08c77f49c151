// Builds the spelling engine's word lists from the system's word lists.
//
//   spelldict words OUT.tlx SMALL DEFAULT LARGE
//       The main list: every word of the three lists (UTF-8, one a line),
//       each with the frequency class of the smallest list it is in.
//   spelldict changes OUT.clx HOLDOUT.txt MAIN.tlx MISSPELLINGS
//       The change list: misspellings ("wrong->right", one a line) with one
//       correction, whose wrong form is no word of the main list and whose
//       correction is. One entry in five, picked by a hash of the wrong form,
//       goes to HOLDOUT.txt ("wrong right" lines) instead, to measure
//       suggestions on words the change list does not know.
//
// Words that do not fit the program's single-byte code page are left out.

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/spell/lexicon.h"
#include "core/spell/word_check.h"

namespace {

using wordsnap::spell::Lexicon;
using wordsnap::spell::LexiconKind;

// UTF-8 to the Western single-byte code page: code points up to U+00FF and
// the few letters the code page keeps in 0x80..0x9F.
std::optional<std::string> ToCodePage(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      ++i;
      continue;
    }
    if ((c & 0xE0) != 0xC0 || i + 1 >= utf8.size()) return std::nullopt;
    const unsigned cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
    i += 2;
    static const std::map<unsigned, char> kHigh = {{0x160, '\x8A'}, {0x152, '\x8C'}, {0x17D, '\x8E'}, {0x161, '\x9A'},
                                                   {0x153, '\x9C'}, {0x17E, '\x9E'}, {0x178, '\x9F'}};
    if (cp >= 0xA0 && cp <= 0xFF) {
      out.push_back(static_cast<char>(cp));
    } else if (const auto it = kHigh.find(cp); it != kHigh.end()) {
      out.push_back(it->second);
    } else {
      return std::nullopt;
    }
  }
  return out;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

Lexicon ReadLexicon(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto lex = Lexicon::Parse(bytes);
  if (!lex) throw std::runtime_error("not a word list: " + path);
  return std::move(*lex);
}

std::uint32_t Fnv1a(const std::string& s) {
  std::uint32_t h = 2166136261u;
  for (char c : s) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  return h;
}

std::uint16_t LanguageOf(const std::string& outPath) { return outPath.find("br") != std::string::npos ? 2057 : 1033; }

int BuildWords(const std::string& out, const std::vector<std::string>& lists) {
  std::map<std::string, std::uint8_t> classes;
  for (std::size_t i = 0; i < lists.size(); ++i) {
    for (const std::string& line : ReadLines(lists[i])) {
      const auto word = ToCodePage(line);
      if (!word || word->size() > wordsnap::spell::kMaxWordBytes) continue;
      classes.emplace(*word, static_cast<std::uint8_t>(i + 1));  // the first (smallest) list wins
    }
  }
  Lexicon lex(LexiconKind::Main, LanguageOf(out));
  for (const auto& [word, frequencyClass] : classes) lex.Add(word, {}, frequencyClass);
  WriteFile(out, lex.Serialise());
  std::cout << out << ": " << lex.Size() << " words\n";
  return 0;
}

int BuildChanges(const std::string& out, const std::string& holdoutPath, const std::string& mainPath,
                 const std::string& misspellings) {
  const Lexicon main = ReadLexicon(mainPath);
  const wordsnap::spell::WordCheck check({&main});
  const auto known = [&](const std::string& text) {
    std::istringstream parts(text);
    std::string part;
    bool any = false;
    while (parts >> part) {
      if (!check.IsKnown(part)) return false;
      any = true;
    }
    return any;
  };

  std::map<std::string, std::string> changes;
  std::ostringstream holdout;
  std::size_t held = 0;
  for (const std::string& line : ReadLines(misspellings)) {
    const std::size_t arrow = line.find("->");
    if (arrow == std::string::npos) continue;
    const auto wrong = ToCodePage(line.substr(0, arrow));
    const auto right = ToCodePage(line.substr(arrow + 2));
    // More than one correction (or a reason after a comma): not certain enough to change unasked.
    if (!wrong || !right || right->find(',') != std::string::npos || wrong->find(' ') != std::string::npos) continue;
    if (wrong->empty() || wrong->size() > 49 || right->size() > 49) continue;
    if (check.IsKnown(*wrong) || !known(*right)) continue;
    if (Fnv1a(*wrong) % 5 == 0) {
      holdout << *wrong << ' ' << *right << '\n';
      ++held;
    } else {
      changes.emplace(*wrong, *right);
    }
  }
  Lexicon lex(LexiconKind::Change, LanguageOf(out));
  for (const auto& [wrong, right] : changes) lex.Add(wrong, right, 0);
  WriteFile(out, lex.Serialise());
  WriteFile(holdoutPath, holdout.str());
  std::cout << out << ": " << lex.Size() << " changes, " << held << " held out\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 5 && args[0] == "words") return BuildWords(args[1], {args[2], args[3], args[4]});
    if (args.size() == 5 && args[0] == "changes") return BuildChanges(args[1], args[2], args[3], args[4]);
    std::cerr << "usage: spelldict words OUT.tlx SMALL DEFAULT LARGE\n"
                 "       spelldict changes OUT.clx HOLDOUT.txt MAIN.tlx MISSPELLINGS\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "spelldict: " << e.what() << '\n';
    return 1;
  }
}
