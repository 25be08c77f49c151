#include "core/help/help_topics.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

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

// The help window goes to the first line that is the topic's heading and nothing else,
// so the manual's source must hold it as a heading, and no other line just like it.
TEST(HelpTopics, ThePickersTopicsAreHeadingsOfTheManualsSource) {
  std::ifstream manual(WORDSNAP_SOURCE_DIR "/docs/manual.md");
  ASSERT_TRUE(manual) << "docs/manual.md";
  std::vector<std::string> lines;
  for (std::string line; std::getline(manual, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  ASSERT_GT(lines.size(), 100u);

  EXPECT_EQ(HelpTopicHeading(HelpTopic::Contents), "");
  for (const HelpTopic topic : {HelpTopic::DateFormat, HelpTopic::TimeFormat}) {
    const std::string heading(HelpTopicHeading(topic));
    SCOPED_TRACE(heading);
    ASSERT_FALSE(heading.empty());
    int headings = 0;
    int plainLines = 0;
    for (const std::string& line : lines) {
      const std::size_t marks = line.find_first_not_of('#');
      if (marks > 0 && marks != std::string::npos && line.compare(marks, std::string::npos, " " + heading) == 0)
        ++headings;
      if (line == heading) ++plainLines;
    }
    EXPECT_EQ(headings, 1);
    EXPECT_EQ(plainLines, 0);
    // The old help file knows the topic by the same words.
    EXPECT_EQ(HelpTopicKeyword(topic), heading);
  }
}

}  // namespace
}  // namespace wordsnap
