#include "core/spell/word_check.h"

#include <gtest/gtest.h>

#include "core/spell/word_scanner.h"
#include "spell/spell_fixture.h"

namespace wordsnap::spell {
namespace {

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> out;
  std::size_t at = 0;
  while (const auto w = NextWord(text, at)) {
    out.emplace_back(text.substr(w->start, w->length));
    at = w->start + w->length;
  }
  return out;
}

TEST(SpellWordScanner, FindsTheWordsToCheck) {
  const struct {
    std::string text;
    std::vector<std::string> words;
  } cases[] = {
      {"Don't stop, O'Neill!", {"Don't", "stop", "O'Neill"}},
      {"'quoted' words' end", {"quoted", "words", "end"}},
      {"well-known", {"well", "known"}},
      {"A4 paper, 3rd time, 2000 items", {"paper", "time", "items"}},
      {"Due <MM/DD/YY{NP007}> at <hh:mm am{N}> sharp", {"Due", "at", "sharp"}},
      {"<notacode> here", {"notacode", "here"}},
      {"caf\xE9 na\xEFve", {"caf\xE9", "na\xEFve"}},
      {"don\x92t", {"don\x92t"}},
      {std::string(50, 'x') + " ok " + std::string(49, 'y'), {"ok", std::string(49, 'y')}},
      {"", {}},
      {" ... ", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Words(c.text), c.words) << c.text;
}

TEST(SpellWordCheck, AcceptsListWordsInTheirCapitalisedForms) {
  const Lexicon main = SampleMain();
  const WordCheck check({&main});
  const struct {
    const char* word;
    bool known;
  } cases[] = {
      {"the", true},   {"The", true},    {"THE", true},       {"tHe", false},     {"Paris", true},
      {"PARIS", true}, {"paris", false}, {"NASA", true},      {"Nasa", false},    {"don't", true},
      {"Don't", true}, {"DON'T", true},  {"don\x92t", true},  {"O'Neill", true},  {"o'neill", false},
      {"teh", false},
  };
  for (const auto& c : cases) EXPECT_EQ(check.IsKnown(c.word), c.known) << c.word;
}

TEST(SpellWordCheck, UserListsAndAutomaticChanges) {
  const Lexicon main = SampleMain();
  const Lexicon changes = SampleChanges();
  Lexicon include(LexiconKind::Include, 1033);
  include.Add("Wordsnap");
  Lexicon exclude(LexiconKind::Exclude, 1033);
  exclude.Add("tea");
  exclude.Add("teh");
  const WordCheck check({&exclude, &include, &main, &changes});

  EXPECT_EQ(check.Check("Wordsnap").kind, Verdict::Kind::Known);
  EXPECT_EQ(check.Check("tea").kind, Verdict::Kind::Unknown);  // excluded though in the main list
  EXPECT_EQ(check.Check("TEA").kind, Verdict::Kind::Unknown);
  EXPECT_EQ(check.Check("teh").kind, Verdict::Kind::Unknown);  // excluded: no automatic change either
  const Verdict change = check.Check("Recieve");
  EXPECT_EQ(change.kind, Verdict::Kind::Change);
  EXPECT_EQ(change.replacement, "Receive");
  EXPECT_EQ(check.Check("RECIEVE").replacement, "RECEIVE");
}

}  // namespace
}  // namespace wordsnap::spell
