#include "core/engine/play_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_output.h"

namespace wordsnap {
namespace {

using fakes::FakeOutput;

TEST(PlayPlan, KeyDelayWaitsForTheTickCountProcessingMessagesAcrossItsWrapAround) {
  for (std::uint32_t start : {1000u, 0xFFFFFF00u}) {
    FakeOutput output;
    output.ticks = start;
    output.wakeEvery = 30;
    WaitKeyDelay(output, 250);
    EXPECT_EQ(output.ticks - start, 250u) << "eight 30 ms wake-ups, then the last 10 ms";
    EXPECT_EQ(output.Count("pump"), 10);
  }
}

TEST(PlayPlan, TenthSecondPauseEndsWhenItSpansMidnight) {
  FakeOutput output;
  output.clock = LocalDateTime{{2001, 12, 31}, 23, 59, 59, 950};
  output.wakeEvery = 30;
  const std::uint32_t start = output.ticks;
  WaitTenthSecond(output);
  EXPECT_EQ(output.ticks - start, 100u);
  EXPECT_EQ(output.clock, (LocalDateTime{{2002, 1, 1}, 0, 0, 0, 50}));
}

TEST(PlayPlan, ShiftWaitSleepsWithoutProcessingMessages) {
  FakeOutput output;
  output.shiftDownPolls = 3;
  WaitForShiftRelease(output);
  EXPECT_EQ(output.log, (std::vector<std::string>{"sleep 1", "sleep 1", "sleep 1"}));
}

TEST(PlayPlan, PlaysKeysWithTheirMarkAndSkipsThePasteWhenTheClipboardCannotBeSet) {
  OutputPlan plan;
  plan.push_back({OutputActionKind::KeyDown, 0x08, true, false, 0, ""});
  plan.push_back({OutputActionKind::KeyUp, 0x08, false, false, 0, ""});
  plan.push_back({OutputActionKind::SetClipboardText, 0, false, false, 0, "text"});
  plan.push_back({OutputActionKind::KeyDown, 0x11, true, true, 0, ""});
  plan.push_back({OutputActionKind::KeyDown, 0x56, true, true, 0, ""});
  plan.push_back({OutputActionKind::KeyUp, 0x56, true, true, 0, ""});
  plan.push_back({OutputActionKind::KeyUp, 0x11, true, true, 0, ""});
  plan.push_back({OutputActionKind::KeyDown, 0x2B, true, false, 0, ""});
  plan.push_back({OutputActionKind::KeyUp, 0x2B, true, false, 0, ""});

  FakeOutput pasted;
  EXPECT_EQ(PlayPlan(plan, pasted), PlayOutcome::Played);
  EXPECT_EQ(pasted.Keys(), "08 +11 56 -11 2B");
  EXPECT_EQ(pasted.unmarkedKeys, 1);

  FakeOutput failed;
  failed.clipboardFails = true;
  EXPECT_EQ(PlayPlan(plan, failed), PlayOutcome::ClipboardRefused);
  EXPECT_EQ(failed.Keys(), "08 2B") << "old clipboard contents are not pasted";
}

}  // namespace
}  // namespace wordsnap
