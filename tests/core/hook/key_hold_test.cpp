#include "core/hook/key_hold.h"

#include <gtest/gtest.h>

#include <vector>

namespace wordsnap::hook {
namespace {

constexpr unsigned kA = 0x41;
constexpr unsigned kB = 0x42;
constexpr unsigned kBack = 0x08;
constexpr unsigned kSpace = 0x20;
constexpr unsigned kLeftShift = 0xA0;

KeyStroke Down(unsigned vk) { return {vk, vk + 0x100, false, true}; }
KeyStroke Up(unsigned vk) { return {vk, vk + 0x100, false, false}; }

constexpr InUseState kFree{false, 1};
constexpr InUseState kReplay{true, 1};
constexpr InUseState kNextReplay{true, 2};

// The hook's side of a hold: what each key does, and the keys sent again.
class KeyHoldTest : public ::testing::Test {
 protected:
  bool User(const KeyStroke& key, InUseState state, std::uint32_t now = 0) {
    return hold_.OnKey(key, KeyOrigin::kUser, state, now);
  }
  bool Ours(const KeyStroke& key, InUseState state, std::uint32_t now = 0) {
    return hold_.OnKey(key, KeyOrigin::kOurs, state, now);
  }
  // Takes the due release and lets each key come back through the hook.
  std::vector<KeyStroke> ReleaseAndReturn(InUseState state, std::uint32_t now = 0) {
    EXPECT_TRUE(hold_.ReleaseDue());
    const std::vector<KeyStroke> keys = hold_.TakeRelease(now);
    for (const KeyStroke& key : keys) EXPECT_FALSE(hold_.OnKey(key, KeyOrigin::kReleased, state, now));
    return keys;
  }

  KeyHold hold_;
};

TEST_F(KeyHoldTest, KeysPassWhileThePlayerIsFree) {
  for (const KeyStroke& key : {Down(kA), Up(kA), Down(kSpace), Up(kSpace)}) EXPECT_FALSE(User(key, kFree));
  EXPECT_FALSE(hold_.Busy());
  EXPECT_FALSE(hold_.ReleaseDue());
}

TEST_F(KeyHoldTest, UserKeysDuringAReplayComeBackInOrderAfterIt) {
  // The replay's own keys pass; the user's are kept.
  EXPECT_FALSE(Ours(Down(kBack), kReplay));
  EXPECT_TRUE(User(Down(kA), kReplay));
  EXPECT_FALSE(Ours(Up(kBack), kReplay));
  EXPECT_TRUE(User(Up(kA), kReplay));
  EXPECT_TRUE(User(Down(kB), kReplay));
  EXPECT_TRUE(User(Up(kB), kReplay));
  EXPECT_TRUE(hold_.Busy());
  EXPECT_FALSE(hold_.ReleaseDue());

  // The end of the replay is seen with its end-of-replay key.
  hold_.Update(kFree, 10);
  const std::vector<KeyStroke> released = hold_.TakeRelease(10);
  EXPECT_EQ(released, (std::vector<KeyStroke>{Down(kA), Up(kA), Down(kB), Up(kB)}));

  // Typing on while they are on their way back cannot overtake them.
  EXPECT_TRUE(User(Down(kSpace), kFree, 11));
  for (const KeyStroke& key : released) EXPECT_FALSE(hold_.OnKey(key, KeyOrigin::kReleased, kFree, 12));
  EXPECT_EQ(ReleaseAndReturn(kFree, 13), std::vector<KeyStroke>{Down(kSpace)});

  EXPECT_FALSE(hold_.Busy());
  EXPECT_FALSE(User(Up(kSpace), kFree, 14));
}

TEST_F(KeyHoldTest, ReleasesOfKeysTheApplicationHasDownNeverStick) {
  // Space ended the word; Shift and A were held down before the replay began.
  for (const KeyStroke& key : {Down(kSpace), Down(kLeftShift), Down(kA)}) User(key, kFree);

  // Let go while nothing is kept: straight through, so nothing stays down during the replay.
  EXPECT_FALSE(User(Up(kSpace), kReplay));
  EXPECT_FALSE(User(Up(kLeftShift), kReplay));
  EXPECT_FALSE(hold_.Busy());

  // Once a key is kept, a release is kept behind it: A repeats, then is let go.
  EXPECT_TRUE(User(Down(kA), kReplay));
  EXPECT_TRUE(User(Up(kA), kReplay));
  // A release with no press the application saw is kept in order too.
  EXPECT_TRUE(User(Up(kB), kReplay));
  hold_.Update(kFree, 0);
  EXPECT_EQ(ReleaseAndReturn(kFree), (std::vector<KeyStroke>{Down(kA), Up(kA), Up(kB)}));
}

TEST_F(KeyHoldTest, ModifierPressedDuringTheReplayIsKeptWithItsKeys) {
  for (const KeyStroke& key : {Down(kLeftShift), Down(kA), Up(kA), Up(kLeftShift)}) {
    EXPECT_TRUE(User(key, kReplay));
  }
  hold_.Update(kFree, 0);
  EXPECT_EQ(ReleaseAndReturn(kFree),
            (std::vector<KeyStroke>{Down(kLeftShift), Down(kA), Up(kA), Up(kLeftShift)}));
}

TEST_F(KeyHoldTest, NoKeyIsKeptPastTheLimitAndThatReplayIsHeldNoMore) {
  // Near the tick count's wrap-around, to show the limit is counted across it.
  const std::uint32_t start = 0xFFFFFF00u;
  EXPECT_TRUE(User(Down(kA), kReplay, start));
  EXPECT_TRUE(User(Up(kA), kReplay, start + 1000));
  hold_.Update(kReplay, start + kHoldLimitMs - 1);
  EXPECT_FALSE(hold_.ReleaseDue());
  hold_.Update(kReplay, start + kHoldLimitMs);
  EXPECT_EQ(ReleaseAndReturn(kReplay, start + kHoldLimitMs), (std::vector<KeyStroke>{Down(kA), Up(kA)}));

  // The program is stuck in that replay: the keyboard works again.
  EXPECT_FALSE(hold_.Busy());
  EXPECT_FALSE(User(Down(kB), kReplay, start + kHoldLimitMs + 5));
  EXPECT_FALSE(User(Up(kB), kReplay, start + kHoldLimitMs + 6));

  // The next replay is held again.
  EXPECT_TRUE(User(Down(kB), kNextReplay, start + kHoldLimitMs + 10));
}

TEST_F(KeyHoldTest, ALimitReachedByAKeyEventEndsTheHoldToo) {
  EXPECT_TRUE(User(Down(kA), kReplay, 100));
  // The late key itself passes the limit: it is kept behind the others and all go.
  EXPECT_TRUE(User(Up(kA), kReplay, 100 + kHoldLimitMs));
  EXPECT_TRUE(hold_.ReleaseDue());
}

TEST_F(KeyHoldTest, ANewReplayBeforeTheEndWasSeenGoesOnHolding) {
  EXPECT_TRUE(User(Down(kA), kReplay, 0));
  hold_.Update(kNextReplay, 50);
  EXPECT_FALSE(hold_.ReleaseDue());
  EXPECT_TRUE(User(Up(kA), kNextReplay, 60));
  hold_.Update(kFree, 70);
  EXPECT_EQ(ReleaseAndReturn(kFree), (std::vector<KeyStroke>{Down(kA), Up(kA)}));
}

TEST_F(KeyHoldTest, KeysThatNeverComeBackAreAwaitedOnlyUpToTheLimit) {
  User(Down(kA), kReplay, 0);
  hold_.Update(kFree, 0);
  ASSERT_EQ(hold_.TakeRelease(0).size(), 1u);
  EXPECT_TRUE(User(Down(kB), kFree, 10));  // waits behind A
  hold_.Update(kFree, kHoldLimitMs);
  // A is given up; B, kept meanwhile, goes now.
  EXPECT_EQ(ReleaseAndReturn(kFree, kHoldLimitMs), std::vector<KeyStroke>{Down(kB)});
  EXPECT_FALSE(hold_.Busy());
}

TEST_F(KeyHoldTest, KeysThatCouldNotBeSentAreNotAwaited) {
  for (const KeyStroke& key : {Down(kA), Up(kA), Down(kB)}) User(key, kReplay);
  hold_.Update(kFree, 0);
  const std::vector<KeyStroke> keys = hold_.TakeRelease(0);
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_FALSE(hold_.OnKey(keys[0], KeyOrigin::kReleased, kFree, 1));
  hold_.NotSent(2);
  EXPECT_FALSE(hold_.Busy());
  EXPECT_FALSE(User(Down(kSpace), kFree, 2));
}

TEST_F(KeyHoldTest, AFloodOfKeysEndsTheHoldAtOnce) {
  for (std::size_t i = 0; i + 1 < kMaxKeptKeys; ++i) ASSERT_TRUE(User(Down(kA), kReplay));
  EXPECT_FALSE(hold_.ReleaseDue());
  EXPECT_TRUE(User(Down(kA), kReplay));
  EXPECT_EQ(ReleaseAndReturn(kReplay).size(), kMaxKeptKeys);
  EXPECT_FALSE(User(Up(kA), kReplay));
}

TEST_F(KeyHoldTest, TakeAllHandsBackWhatIsKeptWhenTheHookGoes) {
  User(Down(kA), kReplay);
  User(Up(kA), kReplay);
  EXPECT_EQ(hold_.TakeAll(), (std::vector<KeyStroke>{Down(kA), Up(kA)}));
  EXPECT_FALSE(hold_.Busy());
  EXPECT_FALSE(hold_.ReleaseDue());
}

}  // namespace
}  // namespace wordsnap::hook
