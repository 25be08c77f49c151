#include "core/hint/hint_display_text.h"
#include "core/hint/hint_protocol.h"

#include <gtest/gtest.h>

#include <string>

namespace wordsnap {
namespace {

TEST(HintProtocol, RecognisesTheCaptionInAnyCaseAndPlace) {
  EXPECT_TRUE(IsHintWindowCaption("SHOW CUEVIEW"));
  EXPECT_TRUE(IsHintWindowCaption("Wordsnaps show cueview window"));
  EXPECT_TRUE(IsHintWindowCaption("xShow CueViewx"));
  EXPECT_FALSE(IsHintWindowCaption(""));
  EXPECT_FALSE(IsHintWindowCaption("SHOW  CUEVIEW"));
  EXPECT_FALSE(IsHintWindowCaption("SHOW CUEVIE"));
}

TEST(HintProtocol, AcceptsOnlyPositionsOneToNine) {
  EXPECT_EQ(ValidHintPosition(1), 1);
  EXPECT_EQ(ValidHintPosition(9), 9);
  EXPECT_FALSE(ValidHintPosition(0));
  EXPECT_FALSE(ValidHintPosition(10));
  EXPECT_FALSE(ValidHintPosition(-1));
  EXPECT_FALSE(ValidHintPosition(0x100000001LL));  // not cut down to 1
}

TEST(HintDisplayText, MakesOneLineOfControlCharacters) {
  EXPECT_EQ(HintDisplayLine("Regards,\r\nJohn"), "Regards, John");
  EXPECT_EQ(HintDisplayLine("a\tb\nc\rd\x7F" "e"), "a b c d e");
  EXPECT_EQ(HintDisplayLine(std::string("x\0y", 3)), "x y");
  EXPECT_EQ(HintDisplayLine("\r\n\r\n"), "  ");
  EXPECT_EQ(HintDisplayLine("trailing\r"), "trailing ");
  EXPECT_EQ(HintDisplayLine("caf\xE9"), "caf\xE9");
}

}  // namespace
}  // namespace wordsnap
