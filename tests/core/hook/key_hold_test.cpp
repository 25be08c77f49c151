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

// The hook's side of a hold: what each key does, and the keys sent again. The
// program's state is what the test says it is, as the hook would hear it.
class KeyHoldTest : public ::testing::Test {
 protected:
  // The program starts a replay, ends it, reads reports, or says anything.
  void Play() {
    program_.inUse = true;
    ++program_.period;
    ++program_.words;
  }
  void StillPlaying() { ++program_.words; }
  void EndPlay() { program_.inUse = false; }
  void Read(std::uint32_t report) {
    program_.acknowledges = true;
    program_.readReport = report;
    ++program_.words;
  }

  bool User(const KeyStroke& key, std::uint32_t now = 0) {
    return hold_.OnKey(key, KeyOrigin::User, program_, now);
  }
  bool Ours(const KeyStroke& key, std::uint32_t now = 0) { return hold_.OnKey(key, KeyOrigin::Ours, program_, now); }
  // The hook reports a key it let pass; returns the report's number.
  std::uint32_t Report(std::uint32_t now = 0, bool releasedCharacter = false) {
    const std::uint32_t number = hold_.NextReportNumber();
    hold_.Reported(number, releasedCharacter, now);
    return number;
  }
  bool Due() const { return hold_.ReleaseDue(program_); }
  void Update(std::uint32_t now) { hold_.Update(program_, now); }

  // Sends the next due key and lets it come back through the hook; when it typed
  // a character the hook reports it (and returns the number through `report`).
  KeyStroke SendNext(std::uint32_t now = 0, bool typed = false, std::uint32_t* report = nullptr) {
    EXPECT_TRUE(Due());
    const KeyStroke key = hold_.TakeNext(now);
    EXPECT_FALSE(hold_.OnKey(key, KeyOrigin::Released, program_, now));
    if (typed) {
      const std::uint32_t number = Report(now, true);
      if (report != nullptr) *report = number;
    }
    Update(now);
    return key;
  }
  // Sends every due key in turn; none types a character.
  std::vector<KeyStroke> SendAll(std::uint32_t now = 0) {
    std::vector<KeyStroke> sent;
    while (Due()) sent.push_back(SendNext(now));
    return sent;
  }

  ProgramState program_;
  KeyHold hold_;
};

TEST_F(KeyHoldTest, KeysPassWhileTheProgramIsFreeAndHasReadEverything) {
  Read(0);
  for (const KeyStroke& key : {Down(kA), Up(kA)}) EXPECT_FALSE(User(key));
  Read(Report());
  for (const KeyStroke& key : {Down(kSpace), Up(kSpace)}) EXPECT_FALSE(User(key));
  EXPECT_FALSE(hold_.Busy());
  EXPECT_FALSE(Due());
}

TEST_F(KeyHoldTest, UserKeysDuringAReplayGoBackInOrderOneAtATimeAfterIt) {
  Play();
  // The replay's own keys pass; the user's are kept.
  EXPECT_FALSE(Ours(Down(kBack)));
  EXPECT_TRUE(User(Down(kA)));
  EXPECT_FALSE(Ours(Up(kBack)));
  EXPECT_TRUE(User(Up(kA)));
  EXPECT_TRUE(User(Down(kB)));
  EXPECT_TRUE(hold_.Busy());
  EXPECT_FALSE(Due());

  // The end of the replay is seen with its end-of-replay key.
  EndPlay();
  Update(10);
  EXPECT_EQ(hold_.TakeNext(10), Down(kA));
  // The next waits until this one has come back through the hook.
  EXPECT_FALSE(Due());
  // Typing on meanwhile cannot overtake the kept keys.
  EXPECT_TRUE(User(Up(kB), 11));
  EXPECT_FALSE(hold_.OnKey(Down(kA), KeyOrigin::Released, program_, 12));
  EXPECT_EQ(SendAll(13), (std::vector<KeyStroke>{Up(kA), Down(kB), Up(kB)}));

  EXPECT_FALSE(hold_.Busy());
  EXPECT_FALSE(User(Down(kSpace), 14));
}

TEST_F(KeyHoldTest, AKeyTypedBeforeTheProgramReadTheLastReportWaitsForIt) {
  Read(0);
  // "g" then a space were typed and reported; the program has read only "g".
  const std::uint32_t g = Report(0);
  Read(g);
  const std::uint32_t space = Report(1);
  // "b" follows before the program has read the space: it may be about to play.
  EXPECT_TRUE(User(Down(kB), 2));
  EXPECT_TRUE(User(Up(kB), 3));
  EXPECT_FALSE(Due());
  // It has: the replay starts before the read is said, and the keys stay kept.
  Play();
  Read(space);
  Update(4);
  EXPECT_FALSE(Due());
  EndPlay();
  EXPECT_EQ(SendAll(5), (std::vector<KeyStroke>{Down(kB), Up(kB)}));
}

TEST_F(KeyHoldTest, AWordsnapAmongTheKeysSentAgainPlaysBeforeTheKeysAfterIt) {
  Read(0);
  Play();
  // Typed during a replay: "g", a space that ends a Wordsnap's name, "b".
  for (const KeyStroke& key : {Down(kG), Down(kSpace), Down(kB)}) User(key);
  EndPlay();
  std::uint32_t report = 0;
  SendNext(0, true, &report);
  // However long the program takes to read "g", nothing else goes.
  Update(2000);
  EXPECT_FALSE(Due());
  Read(report);
  EXPECT_EQ(SendNext(2001, true, &report), Down(kSpace));
  // The program, reading the space, plays the Wordsnap: the rest waits for its end.
  Play();
  Read(report);
  Update(2005);
  EXPECT_FALSE(Due());
  EXPECT_TRUE(User(Down(kA), 2010));  // kept behind "b"
  EndPlay();                          // its end-of-replay key
  EXPECT_EQ(SendAll(2020), (std::vector<KeyStroke>{Down(kB), Down(kA)}));
}

TEST_F(KeyHoldTest, WithoutReadsAKeySentAgainThatTypedACharacterIsFollowedByAPause) {
  Play();
  User(Down(kA));
  User(Up(kA));
  User(Down(kB));
  EndPlay();
  SendNext(100, true);  // "a" typed
  Update(100 + kReleasePaceMs - 1);
  EXPECT_FALSE(Due());
  Update(100 + kReleasePaceMs);
  // A release types nothing: no pause after it.
  EXPECT_EQ(SendNext(200), Up(kA));
  EXPECT_EQ(SendNext(200, true), Down(kB));
  // Nothing left to send, but the pause runs: the user's keys still wait behind it.
  EXPECT_TRUE(hold_.Busy());
  EXPECT_TRUE(User(Down(kSpace), 201));
  Update(200 + kReleasePaceMs);
  EXPECT_EQ(SendAll(200 + kReleasePaceMs), std::vector<KeyStroke>{Down(kSpace)});
  Update(300);
  EXPECT_FALSE(hold_.Busy());
}

TEST_F(KeyHoldTest, ReleasesOfKeysTheApplicationHasDownNeverStick) {
  // Space ended the word; Shift and A were held down before the replay began.
  for (const KeyStroke& key : {Down(kSpace), Down(kLeftShift), Down(kA)}) User(key);
  Play();
  // Let go while nothing is kept: straight through, so nothing stays down during the replay.
  EXPECT_FALSE(User(Up(kSpace)));
  EXPECT_FALSE(User(Up(kLeftShift)));
  EXPECT_FALSE(hold_.Busy());

  // Once a key is kept, a release is kept behind it: A repeats, then is let go.
  EXPECT_TRUE(User(Down(kA)));
  EXPECT_TRUE(User(Up(kA)));
  // A release with no press the application saw is kept in order too.
  EXPECT_TRUE(User(Up(kB)));
  EndPlay();
  EXPECT_EQ(SendAll(), (std::vector<KeyStroke>{Down(kA), Up(kA), Up(kB)}));
}

TEST_F(KeyHoldTest, ModifierPressedDuringTheReplayIsKeptWithItsKeys) {
  Play();
  for (const KeyStroke& key : {Down(kLeftShift), Down(kA), Up(kA), Up(kLeftShift)}) EXPECT_TRUE(User(key));
  EndPlay();
  EXPECT_EQ(SendAll(), (std::vector<KeyStroke>{Down(kLeftShift), Down(kA), Up(kA), Up(kLeftShift)}));
}

TEST_F(KeyHoldTest, ALongReplayThatMakesProgressIsNeverCutInto) {
  // A slow key delay: the replay's keys come seconds apart, and in between the
  // program says it is still playing. Near the tick count's wrap-around.
  const std::uint32_t start = 0xFFFFF000u;
  Play();
  Update(start);
  EXPECT_TRUE(User(Down(kA), start + 100));
  for (std::uint32_t t = start + 1000; t != start + 20000; t += 1000) {
    if (t % 2000 == 0) {
      Ours(Down(kG), t);
    } else {
      StillPlaying();
    }
    Update(t);
    EXPECT_FALSE(Due()) << "at " << t - start << " ms";
  }
  EndPlay();
  EXPECT_EQ(SendAll(start + 20000), std::vector<KeyStroke>{Down(kA)});
}

TEST_F(KeyHoldTest, AStuckProgramFreesTheKeyboardAfterTheLimitFromItsLastSign) {
  const std::uint32_t start = 0xFFFFFF00u;
  Play();
  Update(start);
  Ours(Down(kBack), start + 1000);  // its last sign
  EXPECT_TRUE(User(Down(kA), start + 1500));
  EXPECT_TRUE(User(Up(kA), start + 2000));
  Update(start + 1000 + kStallLimitMs - 1);
  EXPECT_FALSE(Due());
  Update(start + 1000 + kStallLimitMs);
  // Let go at once, without waiting for each to come back.
  const std::uint32_t late = start + 1000 + kStallLimitMs;
  EXPECT_EQ(hold_.TakeNext(late), Down(kA));
  EXPECT_EQ(hold_.TakeNext(late), Up(kA));
  for (const KeyStroke& key : {Down(kA), Up(kA)}) hold_.OnKey(key, KeyOrigin::Released, program_, late);

  // The program is stuck in that replay: the keyboard works again.
  Update(late + 1);
  EXPECT_FALSE(User(Down(kB), late + 5));
  EXPECT_FALSE(User(Up(kB), late + 6));
  // The next replay is held again.
  EndPlay();
  Play();
  EXPECT_TRUE(User(Down(kB), late + 10));
}

TEST_F(KeyHoldTest, AProgramBusyWithoutReadingIsWaitedForOnceThenTypingFlowsUntilItReadsAgain) {
  Read(0);
  Update(0);
  Report(100);
  EXPECT_TRUE(User(Down(kA), 110));
  Update(100 + kStallLimitMs);
  EXPECT_EQ(SendAll(100 + kStallLimitMs), std::vector<KeyStroke>{Down(kA)});
  // Still nothing read: the next reports are not waited for.
  const std::uint32_t later = Report(5000);
  EXPECT_FALSE(User(Up(kA), 5001));
  EXPECT_FALSE(User(Down(kB), 5002));
  // It reads again: waiting for its reads starts again too.
  Read(later);
  Report(6000);
  EXPECT_TRUE(User(Down(kA), 6001));
}

TEST_F(KeyHoldTest, AShiftReleaseTheProgramWaitsForPassesAndTheKeptKeysKeepTheirShift) {
  Read(0);
  // Shift went down before the name's last key was read; "A" is typed with it.
  EXPECT_FALSE(User(Down(kLeftShift)));
  Report();
  EXPECT_TRUE(User(Down(kA)));
  EXPECT_TRUE(User(Up(kA)));
  // The program would wait for Shift to be up before playing: its release passes.
  EXPECT_FALSE(User(Up(kLeftShift)));
  Read(1);
  EXPECT_EQ(SendAll(), (std::vector<KeyStroke>{Down(kLeftShift), Down(kA), Up(kA), Up(kLeftShift)}));
}

TEST_F(KeyHoldTest, AKeySentAgainThatAShiftReleaseOvertookGoesAgainWithItsShift) {
  // "A" typed with Shift while a report was unread; it goes out again, and the
  // user's release of Shift, queued before it, reaches the hook first.
  struct Case {
    const char* what;
    std::vector<KeyStroke> keptBefore;  // after the press of Shift, before the release
    std::vector<KeyStroke> typedAfter;  // after the release
    std::vector<KeyStroke> sent;
  };
  const Case cases[] = {
      {"A released before Shift", {Down(kA), Up(kA)}, {},
       {Down(kLeftShift), Down(kA), Up(kA), Up(kLeftShift)}},
      {"A released after Shift", {Down(kA)}, {Up(kA)},
       {Down(kLeftShift), Down(kA), Up(kLeftShift), Up(kA)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    hold_ = KeyHold{};
    program_ = ProgramState{};
    Read(0);
    EXPECT_FALSE(User(Down(kLeftShift)));
    Report();
    for (const KeyStroke& key : c.keptBefore) EXPECT_TRUE(User(key));
    Read(1);
    ASSERT_TRUE(Due());
    const KeyStroke inFlight = hold_.TakeNext(0);
    EXPECT_FALSE(User(Up(kLeftShift)));  // the program may be waiting for it
    EXPECT_TRUE(hold_.OnKey(inFlight, KeyOrigin::Released, program_, 0));  // back too late: swallowed
    for (const KeyStroke& key : c.typedAfter) EXPECT_TRUE(User(key));
    EXPECT_EQ(SendAll(), c.sent);
  }
}

TEST_F(KeyHoldTest, ANewReplayBeforeTheEndWasSeenGoesOnHolding) {
  Play();
  EXPECT_TRUE(User(Down(kA), 0));
  Play();
  Update(50);
  EXPECT_FALSE(Due());
  EXPECT_TRUE(User(Up(kA), 60));
  EndPlay();
  EXPECT_EQ(SendAll(70), (std::vector<KeyStroke>{Down(kA), Up(kA)}));
}

TEST_F(KeyHoldTest, ReleaseWaitsForAKeyThatNeverComesBackOnlyUpToTheLimit) {
  Play();
  for (const KeyStroke& key : {Down(kA), Down(kB), Down(kG)}) User(key, 0);
  EndPlay();
  Update(0);
  hold_.TakeNext(0);  // never seen back
  Update(kStallLimitMs - 1);
  EXPECT_FALSE(Due());
  Update(kStallLimitMs);
  EXPECT_EQ(SendNext(kStallLimitMs), Down(kB));
  EXPECT_EQ(SendNext(kStallLimitMs), Down(kG));
  EXPECT_FALSE(hold_.Busy());
}

TEST_F(KeyHoldTest, AKeyThatCouldNotBeSentIsNotAwaited) {
  Play();
  User(Down(kA));
  User(Down(kB));
  EndPlay();
  Update(0);
  hold_.TakeNext(0);
  hold_.NotSent();
  EXPECT_EQ(SendAll(), std::vector<KeyStroke>{Down(kB)});
  EXPECT_FALSE(hold_.Busy());
}

TEST_F(KeyHoldTest, AFloodOfKeysEndsTheHoldAtOnce) {
  Play();
  for (std::size_t i = 0; i + 1 < kMaxKeptKeys; ++i) ASSERT_TRUE(User(Down(kA)));
  EXPECT_FALSE(Due());
  EXPECT_TRUE(User(Down(kA)));
  EXPECT_EQ(SendAll().size(), kMaxKeptKeys);
  EXPECT_FALSE(User(Up(kA)));
}

TEST_F(KeyHoldTest, TakeAllHandsBackWhatIsKept) {
  Play();
  User(Down(kA));
  User(Up(kA));
  EXPECT_EQ(hold_.TakeAll(), (std::vector<KeyStroke>{Down(kA), Up(kA)}));
  EXPECT_FALSE(hold_.Busy());
  EXPECT_FALSE(Due());
}

TEST(ReportNumbersTest, NewerCountsAcrossTheWrapAround) {
  struct Case {
    std::uint32_t a, b;
    bool newer;
  };
  for (const Case& c : {Case{1, 0, true}, Case{0, 1, false}, Case{5, 5, false}, Case{0, kReportNumberModulus - 1, true},
                        Case{kReportNumberModulus - 1, 0, false}, Case{3, kReportNumberModulus - 2, true}}) {
    EXPECT_EQ(ReportIsNewer(c.a, c.b), c.newer) << c.a << " vs " << c.b;
  }
}

}  // namespace
}  // namespace wordsnap::hook
