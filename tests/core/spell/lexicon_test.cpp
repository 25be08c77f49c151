#include "core/spell/lexicon.h"

#include <gtest/gtest.h>

#include "spell/spell_fixture.h"

namespace wordsnap::spell {
namespace {

TEST(SpellLexicon, RoundTripsWordsCompanionsAndClasses) {
  Lexicon lex(LexiconKind::Change, 2057);
  lex.Add("accomodate", "accommodate", 0);
  lex.Add("accross", "across", 0);
  lex.Add("b", "", 3);
  const std::string bytes = lex.Serialise();
  EXPECT_EQ(bytes.substr(0, 4), "WSLX");
  // "accross" shares 3 bytes with "accomodate": stored as 3, class, "ross", NUL, "across", NUL.
  EXPECT_NE(bytes.find(std::string("\x03\x00ross\0across\0", 15)), std::string::npos);

  const auto back = Lexicon::Parse(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Kind(), LexiconKind::Change);
  EXPECT_EQ(back->Language(), 2057);
  ASSERT_EQ(back->Size(), 3u);
  EXPECT_EQ(back->Word(1), "accross");
  EXPECT_EQ(back->Companion(1), "across");
  EXPECT_EQ(back->FrequencyClass(2), 3);
  EXPECT_EQ(back->Find("accomodate"), 0u);
  EXPECT_FALSE(back->Find("across"));
}

TEST(SpellLexicon, FindsWordsInAnUnsortedUserList) {
  Lexicon lex(LexiconKind::Include, 1033);
  for (const char* w : {"zebu", "Wordsnap", "apple", "mango"}) lex.Add(w);
  EXPECT_TRUE(lex.Contains("apple"));
  EXPECT_TRUE(lex.Contains("Wordsnap"));
  EXPECT_FALSE(lex.Contains("wordsnap"));
  EXPECT_EQ(lex.Word(0), "zebu");  // the order of adding is kept
  lex.Add("kiwi");
  EXPECT_TRUE(lex.Contains("kiwi"));
}

TEST(SpellLexicon, RefusesEmptyAndOverlongWords) {
  Lexicon lex(LexiconKind::Include, 1033);
  EXPECT_FALSE(lex.Add(""));
  EXPECT_FALSE(lex.Add(std::string(kMaxWordBytes + 1, 'a')));
  EXPECT_TRUE(lex.Add(std::string(kMaxWordBytes, 'a')));
}

TEST(SpellLexicon, DamagedFilesAreRefusedNotReadPastTheirEnd) {
  const std::string good = SampleMain().Serialise();
  // Every cut short version is refused.
  for (std::size_t n = 0; n < good.size(); ++n) EXPECT_FALSE(Lexicon::Parse(good.substr(0, n))) << n;
  // Any single byte changed either reads or is refused; the sanitizers watch the reading.
  for (std::size_t i = 0; i < good.size(); ++i) {
    for (int v : {0x00, 0x01, 0x7F, 0xFF}) {
      std::string bad = good;
      bad[i] = static_cast<char>(v);
      (void)Lexicon::Parse(bad);
    }
  }
  std::string hugeCount = good;
  hugeCount[12] = hugeCount[13] = hugeCount[14] = hugeCount[15] = '\xFF';
  EXPECT_FALSE(Lexicon::Parse(hugeCount));
  std::string badShare = good;
  badShare[16] = 5;  // the first word cannot share bytes with a word before it
  EXPECT_FALSE(Lexicon::Parse(badShare));
  EXPECT_FALSE(Lexicon::Parse(good + "x"));
}

}  // namespace
}  // namespace wordsnap::spell
