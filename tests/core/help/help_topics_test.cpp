#include "core/help/help_topics.h"

#include <gtest/gtest.h>

namespace wordsnap {
namespace {

TEST(HelpTopics, TheOldHelpFileFirstThenTheManualThenTheMessage) {
  struct Case {
    bool oldPresent, oldRefused, manualPresent;
    HelpRoute route;
  };
  const Case cases[] = {
      {true, false, true, HelpRoute::OldHelpFile},   {true, false, false, HelpRoute::OldHelpFile},
      {true, true, true, HelpRoute::ManualWindow},   {false, false, true, HelpRoute::ManualWindow},
      {true, true, false, HelpRoute::Missing},       {false, false, false, HelpRoute::Missing},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseHelpRoute(c.oldPresent, c.oldRefused, c.manualPresent), c.route)
        << c.oldPresent << c.oldRefused << c.manualPresent;
  }
}

TEST(HelpTopics, ThePickersTopicsAreTheManualsHeadingsAndTheOldKeywords) {
  EXPECT_EQ(HelpTopicHeading(HelpTopic::Contents), "");
  EXPECT_EQ(HelpTopicHeading(HelpTopic::DateFormat), "Date Format");
  EXPECT_EQ(HelpTopicKeyword(HelpTopic::TimeFormat), "Time Format");
}

}  // namespace
}  // namespace wordsnap
