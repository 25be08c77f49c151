#include "core/engine/keystroke_monitor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wordsnap {
namespace {

constexpr std::uintptr_t kTyped = 0;

class RecordingCallbacks : public MonitorCallbacks {
 public:
  explicit RecordingCallbacks(const KeystrokeMonitor*& monitor) : monitor_(monitor) {}

  bool TestIt() override {
    calls.push_back("TestIt(" + monitor_->TypedBuffer() + ")");
    return foundFor == monitor_->TypedBuffer();
  }
  void TestHint() override { calls.push_back("TestHint(" + monitor_->TypedBuffer() + ")"); }
  void PostHintHide() override { calls.push_back("hide"); }

  std::string foundFor = "\x01";  // TestIt reports a match for this buffer
  std::vector<std::string> calls;

 private:
  const KeystrokeMonitor*& monitor_;
};

class KeystrokeMonitorTest : public ::testing::Test {
 protected:
  KeystrokeMonitorTest() : callbacks(monitorPointer), monitor(callbacks) { monitorPointer = &monitor; }

  void Key(char c, std::uintptr_t wParam = kTyped) {
    const MonitorContext context{settings, prefixKeysLength, recordCount, hintMappingMissing};
    monitor.OnKeystroke(context, wParam, static_cast<std::uint8_t>(c));
  }
  void Type(const std::string& text) {
    for (char c : text) Key(c);
  }
  void SuffixMode(bool punctuation, bool hints = false) {
    settings.useSuffix = true;
    settings.usePunctuation = punctuation;
    settings.doHint = hints;
  }

  Settings settings;
  std::size_t prefixKeysLength = 0;
  std::int32_t recordCount = 5;
  bool hintMappingMissing = false;
  const KeystrokeMonitor* monitorPointer = nullptr;
  RecordingCallbacks callbacks;
  KeystrokeMonitor monitor;
};

using Calls = std::vector<std::string>;

TEST_F(KeystrokeMonitorTest, PrefixModeTestsAfterEveryNameCharacter) {
  settings.useSuffix = false;
  Type("ab");
  EXPECT_EQ(callbacks.calls, (Calls{"TestIt(a)", "TestIt(ab)"}));
}

TEST_F(KeystrokeMonitorTest, BufferKeepsTheLastTenPlusPrefixKeysLength) {
  Type("abcdefghijk");
  EXPECT_EQ(monitor.TypedBuffer(), "bcdefghijk");

  monitor.ClearTypedBuffer();
  prefixKeysLength = 2;
  Type(";;abcdefghijk");
  EXPECT_EQ(monitor.TypedBuffer(), ";abcdefghijk");
}

TEST_F(KeystrokeMonitorTest, SuffixKeyTestsTheWordThenEmptiesTheBufferWhetherOrNotItMatched) {
  SuffixMode(false);
  Type("abc ");
  EXPECT_EQ(callbacks.calls, (Calls{"TestIt(abc)"}));
  EXPECT_EQ(monitor.SuffixCharacter(), ' ');
  EXPECT_EQ(monitor.TypedBuffer(), "");

  Type("xy\r");
  EXPECT_EQ(callbacks.calls.back(), "TestIt(xy)");
  EXPECT_EQ(monitor.SuffixCharacter(), '\r');
  EXPECT_EQ(monitor.TypedBuffer(), "");
}

TEST_F(KeystrokeMonitorTest, PunctuationOnTestsBeforeTheMarkJoinsTheWord) {
  SuffixMode(true);
  Type("abc.");
  EXPECT_EQ(callbacks.calls, (Calls{"TestIt(abc)"}));
  EXPECT_EQ(monitor.SuffixCharacter(), '.');
  EXPECT_EQ(monitor.TypedBuffer(), "abc.") << "no match: the full stop is kept as a name character";

  callbacks.calls.clear();
  Type(":");
  EXPECT_EQ(callbacks.calls, (Calls{"TestIt(abc.)"}));
  EXPECT_EQ(monitor.TypedBuffer(), "") << "the colon is no name character";
}

TEST_F(KeystrokeMonitorTest, PunctuationThatPlayedAWordIsNotAppended) {
  SuffixMode(true);
  callbacks.foundFor = "sig";
  Type("sig,");
  EXPECT_EQ(monitor.SuffixCharacter(), ',');
  EXPECT_EQ(monitor.TypedBuffer(), "sig") << "stopped after the match (the engine empties the buffer itself)";
}

TEST_F(KeystrokeMonitorTest, PunctuationOffMakesTheFullStopAPlainNameCharacterAndTheColonAReset) {
  SuffixMode(false);
  Type("abc.");
  EXPECT_TRUE(callbacks.calls.empty());
  EXPECT_EQ(monitor.TypedBuffer(), "abc.");
  Type(":");
  EXPECT_TRUE(callbacks.calls.empty());
  EXPECT_EQ(monitor.TypedBuffer(), "");
}

TEST_F(KeystrokeMonitorTest, OtherCharactersEmptyTheBufferWithoutATest) {
  SuffixMode(true);
  for (char c : {'"', '\t', '(', static_cast<char>(233)}) {
    Type("abc");
    Key(c);
    EXPECT_EQ(monitor.TypedBuffer(), "") << static_cast<int>(static_cast<unsigned char>(c));
  }
  EXPECT_TRUE(callbacks.calls.empty());
}

TEST_F(KeystrokeMonitorTest, BackspaceRemovesTheLastCharacterAndLeavesAnEmptyBufferAlone) {
  SuffixMode(false, true);
  Key('\b');
  EXPECT_EQ(monitor.TypedBuffer(), "");
  EXPECT_EQ(callbacks.calls, (Calls{"hide"})) << "no hint lookup for an empty buffer";

  callbacks.calls.clear();
  Type("abc\b");
  EXPECT_EQ(monitor.TypedBuffer(), "ab");
  EXPECT_EQ(callbacks.calls.back(), "TestHint(ab)");
}

TEST_F(KeystrokeMonitorTest, HintModeHidesFirstOnEveryAcceptedMessageAndLooksUpEachName) {
  SuffixMode(false, true);
  Type("si");
  Key(0, kKeystrokeReset);
  EXPECT_EQ(callbacks.calls, (Calls{"hide", "TestHint(s)", "hide", "TestHint(si)", "hide"}));
}

TEST_F(KeystrokeMonitorTest, NoHideCommandsWithoutTheHintMappingOrOutsideSuffixMode) {
  SuffixMode(false, true);
  hintMappingMissing = true;
  Type("a");
  EXPECT_EQ(callbacks.calls, (Calls{"TestHint(a)"})) << "the lookup itself checks the mapping";

  callbacks.calls.clear();
  hintMappingMissing = false;
  settings.useSuffix = false;
  Type("b");
  EXPECT_EQ(callbacks.calls, (Calls{"TestIt(ab)"}));
}

TEST_F(KeystrokeMonitorTest, ResetEmptiesTheBufferAndCapsLockComesFromEveryCharacterMessage) {
  SuffixMode(false);
  Key('a', kKeystrokeCapsOn);
  EXPECT_TRUE(monitor.CapsLock());
  Key('b');
  EXPECT_FALSE(monitor.CapsLock());
  Key('c', kKeystrokeCapsOn);
  Key(0, kKeystrokeReset);
  EXPECT_TRUE(monitor.CapsLock()) << "a reset leaves the flag alone";
  EXPECT_EQ(monitor.TypedBuffer(), "");
}

TEST_F(KeystrokeMonitorTest, BusyOrEmptyFileDropsEveryMessageResetsIncluded) {
  SuffixMode(true, true);
  Type("ab");
  callbacks.calls.clear();

  monitor.SetBusy(true);
  Type("c ");
  Key(0, kKeystrokeReset);
  EXPECT_EQ(monitor.TypedBuffer(), "ab");
  monitor.OnBusyEnd();
  EXPECT_FALSE(monitor.Busy());

  recordCount = 0;
  Type("c ");
  Key(0, kKeystrokeReset);
  EXPECT_EQ(monitor.TypedBuffer(), "ab");
  EXPECT_TRUE(callbacks.calls.empty());
}

}  // namespace
}  // namespace wordsnap
