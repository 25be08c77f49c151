#include "core/editor/text_insertion.h"

#include <gtest/gtest.h>

#include <string>

namespace wordsnap {
namespace {

TEST(InsertAtCaret, PutsTheTextInFrontOfTheCaretAndMovesTheCaretPastIt) {
  struct Case {
    std::string memo;
    std::size_t at;
    std::string inserted;
    std::string text;
    std::size_t caret;
  };
  const Case cases[] = {
      {"Dear ,", 5, "<Date{d}>", "Dear <Date{d}>,", 14},
      {"", 0, "x", "x", 1},
      {"abc", 3, "!", "abc!", 4},
      {"abc", 99, "!", "abc!", 4},  // a caret past the end inserts at the end
      // Line breaks count as two characters, as the memo reports positions.
      {"one\r\ntwo", 5, "#", "one\r\n#two", 6},
  };
  for (const Case& c : cases) {
    const Insertion result = InsertAtCaret(c.memo, c.at, c.inserted);
    EXPECT_EQ(result.text, c.text) << c.memo;
    EXPECT_EQ(result.caret, c.caret) << c.memo;
  }
}

TEST(InsertAtCaret, KeepsTheSelectedTextAfterTheInsertion) {
  // "world" selected from 6: the code goes in front, the selection stays.
  const Insertion result = InsertAtCaret("hello world", 6, "<T>");
  EXPECT_EQ(result.text, "hello <T>world");
  EXPECT_EQ(result.text.substr(result.caret), "world");
}

TEST(InsertionFits, AllowsUpToTheLimitAndNoFurther) {
  EXPECT_TRUE(InsertionFits(4990, 10));
  EXPECT_FALSE(InsertionFits(4990, 12));
  EXPECT_TRUE(InsertionFits(0, kInsertionLimit));
  EXPECT_TRUE(InsertionFits(kInsertionLimit, 0));
  // A memo that already holds more than the limit takes nothing, however short.
  EXPECT_FALSE(InsertionFits(kInsertionLimit + 1, 0));
  EXPECT_FALSE(InsertionFits(6000, 1));
}

}  // namespace
}  // namespace wordsnap
