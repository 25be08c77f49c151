#include "core/spell/suggester.h"

#include <gtest/gtest.h>

#include "spell/spell_fixture.h"

namespace wordsnap::spell {
namespace {

std::vector<std::string> SuggestFrom(const Lexicon& main, std::string_view word, const Lexicon* exclude = nullptr) {
  const SuggestIndex index(main);
  std::vector<const Lexicon*> lists{&main};
  if (exclude != nullptr) lists.push_back(exclude);
  const WordCheck check(lists);
  std::vector<std::string> out;
  for (const Suggestion& s : Suggest(word, {&index}, check, 5, kMaxWordBytes)) out.push_back(s.word);
  return out;
}

TEST(SpellEditDistance, CountsEditsWithSwapsAndPrefersNearOnes) {
  const struct {
    const char* typed;
    const char* meant;
    int edits;  // -1: more than two apart
  } cases[] = {
      {"teh", "the", 1}, {"hte", "the", 1}, {"recieve", "receive", 1}, {"acomodate", "accommodate", 2},
      {"word", "word", 0}, {"wrod", "world", 2}, {"abc", "xyz", -1}, {"a", "abcd", -1}, {"", "ab", 2},
  };
  for (const auto& c : cases) {
    const auto d = EditDistance(c.typed, c.meant, 2);
    if (c.edits < 0) {
      EXPECT_FALSE(d) << c.typed;
    } else {
      ASSERT_TRUE(d) << c.typed;
      EXPECT_EQ(d->edits, c.edits) << c.typed;
    }
  }
  // "r" sits next to "t"; "p" does not.
  EXPECT_LT(EditDistance("rhe", "the", 2)->nearness, EditDistance("phe", "the", 2)->nearness);
  // A doubled letter is nearer than another extra letter.
  EXPECT_LT(EditDistance("thhe", "the", 2)->nearness, EditDistance("txhe", "the", 2)->nearness);
}

TEST(SpellSuggest, RanksByEditsThenFrequencyThenNearness) {
  const Lexicon main = SampleMain();
  EXPECT_EQ(SuggestFrom(main, "teh").front(), "the");      // a swap is one edit
  EXPECT_EQ(SuggestFrom(main, "Teh").front(), "The");      // case pattern kept
  EXPECT_EQ(SuggestFrom(main, "TEH").front(), "THE");
  EXPECT_EQ(SuggestFrom(main, "paris").front(), "Paris");  // the list's capitals win
  EXPECT_EQ(SuggestFrom(main, "hoese").front(), "horse");  // "horse" (class 1) before "hose" (class 2)
  // "wordd": "word" and "words" are one edit and equally common; the doubled letter is nearer.
  const auto wordd = SuggestFrom(main, "wordd");
  ASSERT_GE(wordd.size(), 2u);
  EXPECT_EQ(wordd[0], "word");
  const auto alot = SuggestFrom(main, "alot");  // two common words run together
  EXPECT_NE(std::find(alot.begin(), alot.end(), "a lot"), alot.end());
  const auto booleam = SuggestFrom(MainList({{"Boolean", 1}, {"boolean", 1}}), "booleam");
  EXPECT_EQ(booleam.front(), "boolean");
  EXPECT_TRUE(SuggestFrom(main, "zzzzzzzz").empty());
}

TEST(SpellSuggest, NeverOffersExcludedOrOverlongWords) {
  const Lexicon main = SampleMain();
  Lexicon exclude(LexiconKind::Exclude, 1033);
  exclude.Add("the");
  const auto s = SuggestFrom(main, "teh", &exclude);
  EXPECT_EQ(std::find(s.begin(), s.end(), "the"), s.end());

  const Lexicon longWords = MainList({{std::string(60, 'a'), 1}});
  const SuggestIndex index(longWords);
  const WordCheck check({&longWords});
  EXPECT_TRUE(Suggest(std::string(59, 'a'), {&index}, check, 5, 49).empty());
}

}  // namespace
}  // namespace wordsnap::spell
