#include "core/engine/elevated_target.h"

#include <gtest/gtest.h>

namespace wordsnap {
namespace {

constexpr std::optional<std::uint32_t> kUnknown;

TEST(ElevatedTarget, OnlyAWindowKnownToBeAboveOurLevelRefusesOurKeys) {
  struct Case {
    const char* name;
    std::optional<std::uint32_t> target;
    std::optional<std::uint32_t> own;
    bool refuses;
  } cases[] = {
      {"as administrator, we are not", kIntegrityHigh, kIntegrityMedium, true},
      {"a system program", kIntegritySystem, kIntegrityHigh, true},
      {"another user at our level", kIntegrityMedium, kIntegrityMedium, false},
      {"both as administrator", kIntegrityHigh, kIntegrityHigh, false},
      {"a sandboxed program below us", kIntegrityLow, kIntegrityMedium, false},
      {"a level between medium and high", 0x2100, kIntegrityMedium, true},
      // Its token is closed to us (another user's program): the keys may well arrive.
      {"target unknown", kUnknown, kIntegrityMedium, false},
      {"our own level unknown", kIntegrityHigh, kUnknown, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TargetRefusesOurKeys(TargetWindow{1, c.target, c.own}), c.refuses);
    ElevatedTargetRule rule;
    EXPECT_EQ(rule.Decide(TargetWindow{1, c.target, c.own}),
              c.refuses ? TargetAction::SkipAndTell : TargetAction::Play);
  }
}

TEST(ElevatedTarget, TheUserIsToldOncePerRefusingWindow) {
  ElevatedTargetRule rule;
  const TargetWindow first{7, kIntegrityHigh, kIntegrityMedium};
  const TargetWindow second{8, kIntegrityHigh, kIntegrityMedium};
  EXPECT_EQ(rule.Decide(first), TargetAction::SkipAndTell);
  EXPECT_EQ(rule.Decide(first), TargetAction::Skip);
  EXPECT_EQ(rule.Decide(second), TargetAction::SkipAndTell);
  EXPECT_EQ(rule.Decide(TargetWindow{7, kIntegrityMedium, kIntegrityMedium}), TargetAction::Play);
}

}  // namespace
}  // namespace wordsnap
