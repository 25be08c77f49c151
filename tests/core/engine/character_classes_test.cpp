#include "core/engine/character_classes.h"

#include <gtest/gtest.h>

#include <string>

namespace wordsnap {
namespace {

std::string AllCharactersWhere(bool (*test)(char)) {
  std::string found;
  for (int c = 0; c < 256; ++c) {
    if (test(static_cast<char>(c))) found += static_cast<char>(c);
  }
  return found;
}

TEST(CharacterClasses, NameCharactersAreLettersDigitsAndTheTwentyOnePunctuationMarks) {
  EXPECT_EQ(AllCharactersWhere(IsNameCharacter),
            "!#$%&'*+,-./0123456789;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ\\^_abcdefghijklmnopqrstuvwxyz");
}

TEST(CharacterClasses, SuffixPunctuationIsTheEightMarksWithColonTheOnlyNonNameOne) {
  EXPECT_EQ(AllCharactersWhere(IsSuffixPunctuation), "!',-.:;?");
  EXPECT_FALSE(IsNameCharacter(':'));
  EXPECT_TRUE(IsNameCharacter('\''));
}

}  // namespace
}  // namespace wordsnap
