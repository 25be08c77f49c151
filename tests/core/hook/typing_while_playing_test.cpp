// The keyboard hook's hold and the expansion engine together, on a simulated
// desktop: whatever the user types, however fast, and however slowly the program
// takes its messages, the text box ends up with exactly what was typed, every
// Wordsnap replaced where its name was.

#include <gtest/gtest.h>

#include <string>

#include "fakes/simulated_desktop.h"

namespace wordsnap {
namespace {

using fakes::SimulatedDesktop;

std::string Repeat(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

// Suffix mode without hints; the clip setting and the retyping of the suffix key as given.
void SuffixMode(SimulatedDesktop& desktop, std::int32_t clipSetting, bool retypeSuffix) {
  Settings& settings = desktop.app.settings;
  settings.useSuffix = true;
  settings.retypeSuffix = retypeSuffix;
  settings.usePunctuation = true;
  settings.doHint = false;
  settings.clipSetting = clipSetting;
}

struct Pace {
  std::uint32_t keyIntervalMs;  // between the user's keys
  std::uint32_t mainLatencyMs;  // before the program's thread takes a posted message
};

class TypingWhilePlayingTest : public ::testing::TestWithParam<Pace> {
 protected:
  static SimulatedDesktop::Options OptionsFor(const Pace& pace) {
    SimulatedDesktop::Options options;
    options.mainLatencyMs = pace.mainLatencyMs;
    return options;
  }
};

// Keys arrive during the pause before each paste and while the program has not
// yet read the name's last key; names come among the keys sent again after a
// replay, and the next expansion starts while later keys are still kept.
TEST_P(TypingWhilePlayingTest, AFastStreamThroughTheClipboardComesOutExact) {
  SimulatedDesktop desktop(OptionsFor(GetParam()));
  SuffixMode(desktop, kClipClipboardForAll, true);
  desktop.AddWordsnap("sig", "Regards");
  desktop.AddWordsnap("adr", "12 High St");
  desktop.AddWordsnap("ty", "thank you");

  desktop.Type(Repeat("adr and ty, sig ok ", 7), 1000, GetParam().keyIntervalMs);
  desktop.RunToEnd();

  EXPECT_EQ(desktop.Document(), Repeat("12 High St and thank you, Regards ok ", 7));
  EXPECT_EQ(desktop.Expansions(), 21);
}

TEST_P(TypingWhilePlayingTest, AMixedStreamOfBothWaysAndProseComesOutExact) {
  SimulatedDesktop desktop(OptionsFor(GetParam()));
  SuffixMode(desktop, kClipIndividual, true);
  desktop.AddWordsnap("sig", "Kind regards, Ann", false);
  desktop.AddWordsnap("adr", "12 High St, Bristol", true);
  desktop.AddWordsnap("asap", "as soon as possible", false);
  desktop.AddWordsnap("btw", "by the way", true);

  const std::string typed = "Dear Bob, btw the parcel goes to adr asap. Call me; adr is home. sig\r";
  desktop.Type(Repeat(typed, 4), 1000, GetParam().keyIntervalMs);
  desktop.RunToEnd();

  const std::string expected =
      "Dear Bob, by the way the parcel goes to 12 High St, Bristol as soon as possible. Call me; "
      "12 High St, Bristol is home. Kind regards, Ann\r";
  EXPECT_EQ(desktop.Document(), Repeat(expected, 4));
}

INSTANTIATE_TEST_SUITE_P(Paces, TypingWhilePlayingTest,
                         ::testing::Values(Pace{15, 1}, Pace{15, 40}, Pace{30, 40}, Pace{30, 120}, Pace{60, 5},
                                           Pace{60, 200}),
                         [](const ::testing::TestParamInfo<Pace>& info) {
                           return "every" + std::to_string(info.param.keyIntervalMs) + "ms_read" +
                                  std::to_string(info.param.mainLatencyMs) + "msLater";
                         });

TEST(TypingWhilePlayingSlowReplayTest, KeysTypedAtTheStartOfALongReplayComeAfterItInOrder) {
  SimulatedDesktop desktop({});
  SuffixMode(desktop, kClipIndividual, false);
  // About six seconds of playing, twice the hold's old limit.
  const std::string longText = Repeat("The quick brown fox jumps. ", 22);
  desktop.AddWordsnap("fox", longText, false, 10);

  desktop.Type("fox ", 1000, 30);
  desktop.Type("and then some", 1000 + 4 * 30 + 40, 30);
  desktop.RunToEnd();

  EXPECT_EQ(desktop.Document(), longText + "and then some");
}

TEST(TypingWhilePlayingSlowReplayTest, AVerySlowKeyDelayStillKeepsTheUsersKeysOut) {
  SimulatedDesktop desktop({});
  SuffixMode(desktop, kClipIndividual, false);
  // Five seconds between keys: the replay says it is still playing in between.
  desktop.AddWordsnap("rm", "ls", false, 5000);

  desktop.Type("rm ", 1000, 30);
  desktop.Type("x", 3000, 30);
  desktop.RunToEnd();

  EXPECT_EQ(desktop.Document(), "lsx");
}

}  // namespace
}  // namespace wordsnap
