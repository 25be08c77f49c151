#include "core/hook/dead_key_composer.h"

#include <gtest/gtest.h>

namespace wordsnap::hook {
namespace {

// Composes e with the acute accent only, as a layout's dead-key table might.
char16_t ComposeAcuteE(char16_t base, char16_t mark) {
  return base == u'e' && mark == 0x0301 ? u'\u00E9' : 0;
}

TEST(DeadKeyComposer, DeadKeyFollowedByAKey) {
  struct Case {
    const char* what;
    char16_t accent;
    std::u16string next;
    std::u16string typed;
  };
  const Case cases[] = {
      {"composes", u'\u00B4', u"e", u"\u00E9"},
      {"apostrophe of an international layout composes", u'\'', u"e", u"\u00E9"},
      {"space types the accent alone", u'\u00B4', u" ", u"\u00B4"},
      {"no composition types both", u'\u00B4', u"x", u"\u00B4x"},
      {"accent without a combining mark types both", u'\u00A4', u"e", u"\u00A4e"},
      {"several characters type after the accent", u'`', u"ab", u"`ab"},
      {"an accent the layout already put in front is not doubled", u'\'', u"'t", u"'t"},
  };
  for (const Case& c : cases) {
    DeadKeyComposer composer(ComposeAcuteE);
    EXPECT_EQ(composer.OnDeadKey(c.accent), u"") << c.what;
    EXPECT_EQ(composer.OnCharacters(c.next), c.typed) << c.what;
    EXPECT_EQ(composer.OnCharacters(u"e"), u"e") << c.what << ": the accent is used up";
  }
}

TEST(DeadKeyComposer, WithoutADeadKeyCharactersPassThrough) {
  DeadKeyComposer composer(ComposeAcuteE);
  EXPECT_EQ(composer.OnCharacters(u"e"), u"e");
  EXPECT_EQ(composer.OnCharacters(u" "), u" ");
}

TEST(DeadKeyComposer, SecondDeadKeyTypesBothAccents) {
  DeadKeyComposer composer(ComposeAcuteE);
  composer.OnDeadKey(u'\u00B4');
  EXPECT_EQ(composer.OnDeadKey(u'^'), u"\u00B4^");
  EXPECT_EQ(composer.OnCharacters(u"e"), u"e");
}

TEST(DeadKeyComposer, ClearForgetsTheWaitingAccent) {
  DeadKeyComposer composer(ComposeAcuteE);
  composer.OnDeadKey(u'\u00B4');
  composer.Clear();
  EXPECT_EQ(composer.OnCharacters(u"e"), u"e");
}

TEST(DeadKeyComposer, CombiningMarksOfSpacingAccents) {
  EXPECT_EQ(CombiningMarkOf(u'`'), 0x0300);
  EXPECT_EQ(CombiningMarkOf(u'\u00B4'), 0x0301);
  EXPECT_EQ(CombiningMarkOf(u'^'), 0x0302);
  EXPECT_EQ(CombiningMarkOf(u'~'), 0x0303);
  EXPECT_EQ(CombiningMarkOf(u'\u00A8'), 0x0308);
  EXPECT_EQ(CombiningMarkOf(u'"'), 0x0308);
  EXPECT_EQ(CombiningMarkOf(u'\u00B8'), 0x0327);
  EXPECT_EQ(CombiningMarkOf(u'\u02C7'), 0x030C);
  EXPECT_EQ(CombiningMarkOf(u'a'), 0);
}

}  // namespace
}  // namespace wordsnap::hook
