#include "core/editor/wordsnap_name.h"

#include <gtest/gtest.h>

#include <string>

#include "core/editor/trim_blanks.h"

namespace wordsnap {
namespace {

TEST(CheckWordsnapName, AcceptsRefusesAndTrimsAsTheEditorDoes) {
  struct Case {
    std::string typed;
    NameCheck result;
    std::string name;
  };
  const Case cases[] = {
      {"sig", NameCheck::Valid, "sig"},
      {" sig ", NameCheck::Valid, "sig"},
      {"   ", NameCheck::Empty, ""},
      {"", NameCheck::Empty, ""},
      {"co-op", NameCheck::Valid, "co-op"},
      {"@home", NameCheck::Valid, "@home"},
      {"e.g", NameCheck::Valid, "e.g"},
      {"!#$%&*+,-.", NameCheck::Valid, "!#$%&*+,-."},
      {"/;<=>?@^_", NameCheck::Valid, "/;<=>?@^_"},
      {"don't", NameCheck::Valid, "don't"},  // the apostrophe is a name character
      {"si g", NameCheck::InvalidCharacter, "si g"},
      {"a:b", NameCheck::InvalidCharacter, "a:b"},
      {"a~b", NameCheck::InvalidCharacter, "a~b"},
      {"\"q\"", NameCheck::InvalidCharacter, "\"q\""},
      {"(x)", NameCheck::InvalidCharacter, "(x)"},
      {"[x]", NameCheck::InvalidCharacter, "[x]"},
      {"{x}", NameCheck::InvalidCharacter, "{x}"},
      {"a\\b", NameCheck::InvalidCharacter, "a\\b"},
      {"a`b", NameCheck::InvalidCharacter, "a`b"},
      {"a|b", NameCheck::InvalidCharacter, "a|b"},
      {"a\tb", NameCheck::InvalidCharacter, "a\tb"},
      {"a\x7f", NameCheck::InvalidCharacter, "a\x7f"},
      {"caf\xe9", NameCheck::InvalidCharacter, "caf\xe9"},
      {std::string("a\0b", 3), NameCheck::InvalidCharacter, std::string("a\0b", 3)},
      // Only the first 20 characters are looked at.
      {"abcdefghijklmnopqrst:", NameCheck::Valid, "abcdefghijklmnopqrst"},
  };
  for (const Case& c : cases) {
    const CheckedName checked = CheckWordsnapName(c.typed);
    EXPECT_EQ(checked.result, c.result) << c.typed;
    EXPECT_EQ(checked.name, c.name) << c.typed;
  }
}

TEST(TrimBlanks, RemovesOnlySurroundingSpaces) {
  EXPECT_EQ(TrimBlanks("  a b  "), "a b");
  EXPECT_EQ(TrimBlanks("\ta\t"), "\ta\t");
  EXPECT_EQ(TrimBlanks("    "), "");
}

}  // namespace
}  // namespace wordsnap
