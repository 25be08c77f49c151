#include "core/hook/key_hold.h"

#include <gtest/gtest.h>

#include <vector>

namespace wordsnap::hook {
namespace {

constexpr unsigned kA = 0x41;
constexpr unsigned kB = 0x42;
constexpr unsigned kG = 0x47;
constexpr unsigned kBack = 0x08;
constexpr unsigned kSpace = 0x20;
constexpr unsigned kLeftShift = 0xA0;

KeyStroke Down(unsigned vk) { return {vk, vk + 0x100, false, true}; }
KeyStroke Up(unsigned vk) { return {vk, vk + 0x100, false, false}; }

constexpr InUseState kFree{false, 1};
constexpr InUseState kReplay{true, 1};
constexpr InUseState kNextReplay{true, 2};
constexpr InUseState kFreeAfterNext{false, 2};

// The hook's side of a hold: what each key does, and the keys sent again.
class KeyHoldTest : public ::testing::Test {
 protected:
  bool User(const KeyStroke& key, InUseState state, std::uint32_t now = 0) {
    return hold_.OnKey(key, KeyOrigin::kUser, state, now);
  }
  bool Ours(const KeyStroke& key, InUseState state, std::uint32_t now = 0) {
    return hold_.OnKey(key, KeyOrigin::kOurs, state, now);
  }
  // Sends the next due key and lets it come back through the hook, which may report it.
  KeyStroke SendNext(InUseState state, std::uint32_t now = 0, bool reported = false) {
    EXPECT_TRUE(hold_.ReleaseDue());
    const KeyStroke key = hold_.TakeNext(now);
    Return(key, state, now, reported);
    return key;
  }
  void Return(const KeyStroke& key, InUseState state, std::uint32_t now, bool reported = false) {
    EXPECT_FALSE(hold_.OnKey(key, KeyOrigin::kReleased, state, now));
    if (reported) hold_.Reported(now);
    hold_.Update(state, now);
  }
  // Sends every due key in turn; none types a character.
  std::vector<KeyStroke> SendAll(InUseState state, std::uint32_t now = 0) {
    std::vector<KeyStroke> sent;
    while (hold_.ReleaseDue()) sent.push_back(SendNext(state, now));
    return sent;
  }

  KeyHold hold_;
};

TEST_F(KeyHoldTest, KeysPassWhileTheProgramIsFree) {
  for (const KeyStroke& key : {Down(kA), Up(kA), Down(kSpace), Up(kSpace)}) EXPECT_FALSE(User(key, kFree));
  EXPECT_FALSE(hold_.Busy());
  EXPECT_FALSE(hold_.ReleaseDue());
}

TEST_F(KeyHoldTest, UserKeysDuringAReplayGoBackInOrderOneAtATimeAfterIt) {
  // The replay's own keys pass; the user's are kept.
  EXPECT_FALSE(Ours(Down(kBack), kReplay));
  EXPECT_TRUE(User(Down(kA), kReplay));
  EXPECT_FALSE(Ours(Up(kBack), kReplay));
  EXPECT_TRUE(User(Up(kA), kReplay));
  EXPECT_TRUE(User(Down(kB), kReplay));
  EXPECT_TRUE(hold_.Busy());
  EXPECT_FALSE(hold_.ReleaseDue());

  // The end of the replay is seen with its end-of-replay key.
  hold_.Update(kFree, 10);
  EXPECT_EQ(hold_.TakeNext(10), Down(kA));
  // The next waits until this one has come back through the hook.
  EXPECT_FALSE(hold_.ReleaseDue());
  // Typing on meanwhile cannot overtake the kept keys.
  EXPECT_TRUE(User(Up(kB), kFree, 11));
  Return(Down(kA), kFree, 12);
  EXPECT_EQ(SendAll(kFree, 13), (std::vector<KeyStroke>{Up(kA), Down(kB), Up(kB)}));

  EXPECT_FALSE(hold_.Busy());
  EXPECT_FALSE(User(Down(kSpace), kFree, 14));
}

TEST_F(KeyHoldTest, AKeySentAgainThatTypedACharacterIsFollowedByAPause) {
  User(Down(kA), kReplay);
  User(Up(kA), kReplay);
  User(Down(kB), kReplay);
  hold_.Update(kFree, 100);
  SendNext(kFree, 100, true);  // "a" typed
  hold_.Update(kFree, 100 + kReleasePaceMs - 1);
  EXPECT_FALSE(hold_.ReleaseDue());
  hold_.Update(kFree, 100 + kReleasePaceMs);
  // A release types nothing: no pause after it.
  EXPECT_EQ(SendNext(kFree, 200), Up(kA));
  EXPECT_EQ(SendNext(kFree, 200, true), Down(kB));
  // Nothing left to send, but the pause runs: the user's keys still wait behind it.
  EXPECT_TRUE(hold_.Busy());
  EXPECT_TRUE(User(Down(kSpace), kFree, 201));
  hold_.Update(kFree, 200 + kReleasePaceMs);
  EXPECT_EQ(SendAll(kFree, 200 + kReleasePaceMs), std::vector<KeyStroke>{Down(kSpace)});
  hold_.Update(kFree, 300);
  EXPECT_FALSE(hold_.Busy());
}

TEST_F(KeyHoldTest, AWordsnapAmongTheKeysSentAgainPlaysBeforeTheKeysAfterIt) {
  // Typed during a replay: "g", a space that ends a Wordsnap's name, "b".
  for (const KeyStroke& key : {Down(kG), Down(kSpace), Down(kB)}) User(key, kReplay);
  hold_.Update(kFree, 0);
  SendNext(kFree, 0, true);
  hold_.Update(kFree, kReleasePaceMs);
  EXPECT_EQ(SendNext(kFree, kReleasePaceMs, true), Down(kSpace));

  // The program, reading the space, plays the Wordsnap: the rest waits for its end.
  hold_.Update(kNextReplay, kReleasePaceMs + 5);
  hold_.Update(kNextReplay, 10 * kReleasePaceMs);
  EXPECT_FALSE(hold_.ReleaseDue());
  EXPECT_TRUE(User(Down(kA), kNextReplay, 10 * kReleasePaceMs));  // kept behind "b"
  hold_.Update(kFreeAfterNext, 11 * kReleasePaceMs);                // its end-of-replay key
  EXPECT_EQ(SendAll(kFreeAfterNext, 11 * kReleasePaceMs), (std::vector<KeyStroke>{Down(kB), Down(kA)}));
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
  EXPECT_EQ(SendAll(kFree), (std::vector<KeyStroke>{Down(kA), Up(kA), Up(kB)}));
}

TEST_F(KeyHoldTest, ModifierPressedDuringTheReplayIsKeptWithItsKeys) {
  for (const KeyStroke& key : {Down(kLeftShift), Down(kA), Up(kA), Up(kLeftShift)}) {
    EXPECT_TRUE(User(key, kReplay));
  }
  hold_.Update(kFree, 0);
  EXPECT_EQ(SendAll(kFree), (std::vector<KeyStroke>{Down(kLeftShift), Down(kA), Up(kA), Up(kLeftShift)}));
}

TEST_F(KeyHoldTest, NoKeyIsKeptPastTheLimitAndThatReplayIsHeldNoMore) {
  // Near the tick count's wrap-around, to show the limit is counted across it.
  const std::uint32_t start = 0xFFFFFF00u;
  EXPECT_TRUE(User(Down(kA), kReplay, start));
  EXPECT_TRUE(User(Up(kA), kReplay, start + 1000));
  hold_.Update(kReplay, start + kHoldLimitMs - 1);
  EXPECT_FALSE(hold_.ReleaseDue());
  hold_.Update(kReplay, start + kHoldLimitMs);
  // Let go at once, without waiting for each to come back.
  EXPECT_EQ(hold_.TakeNext(start + kHoldLimitMs), Down(kA));
  EXPECT_EQ(hold_.TakeNext(start + kHoldLimitMs), Up(kA));
  for (const KeyStroke& key : {Down(kA), Up(kA)}) Return(key, kReplay, start + kHoldLimitMs);

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
  EXPECT_EQ(SendAll(kFree), (std::vector<KeyStroke>{Down(kA), Up(kA)}));
}

TEST_F(KeyHoldTest, ReleaseWaitsForAKeyThatNeverComesBackOnlyUpToTheLimit) {
  for (const KeyStroke& key : {Down(kA), Down(kB), Down(kG)}) User(key, kReplay, 0);
  hold_.Update(kFree, 0);
  hold_.TakeNext(0);  // never seen back
  hold_.Update(kFree, kHoldLimitMs - 1);
  EXPECT_FALSE(hold_.ReleaseDue());
  hold_.Update(kFree, kHoldLimitMs);
  // The oldest kept key is overdue as well: the rest goes without waiting.
  EXPECT_TRUE(hold_.ReleaseDue());
  // No pause after a character either.
  EXPECT_EQ(SendNext(kFree, kHoldLimitMs, true), Down(kB));
  EXPECT_EQ(SendNext(kFree, kHoldLimitMs), Down(kG));
  EXPECT_FALSE(hold_.Busy());
}

TEST_F(KeyHoldTest, AKeyThatCouldNotBeSentIsNotAwaited) {
  User(Down(kA), kReplay);
  User(Down(kB), kReplay);
  hold_.Update(kFree, 0);
  hold_.TakeNext(0);
  hold_.NotSent();
  EXPECT_EQ(SendAll(kFree), std::vector<KeyStroke>{Down(kB)});
  EXPECT_FALSE(hold_.Busy());
}

TEST_F(KeyHoldTest, AFloodOfKeysEndsTheHoldAtOnce) {
  for (std::size_t i = 0; i + 1 < kMaxKeptKeys; ++i) ASSERT_TRUE(User(Down(kA), kReplay));
  EXPECT_FALSE(hold_.ReleaseDue());
  EXPECT_TRUE(User(Down(kA), kReplay));
  EXPECT_EQ(SendAll(kReplay).size(), kMaxKeptKeys);
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
