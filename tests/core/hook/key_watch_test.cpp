#include "core/hook/key_watch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/hook/hook_contract.h"

namespace wordsnap::hook {
namespace {

constexpr unsigned kA = 0x41;
constexpr unsigned kB = 0x42;

KeyStroke Down(unsigned vk) { return {vk, 0, false, true}; }
KeyStroke Up(unsigned vk) { return {vk, 0, false, false}; }

// Letters type themselves; what is posted and sent again is recorded. Keys sent
// again come back through the watch at once, as they do on the hook's thread.
class RecordingHost final : public WatchHost {
 public:
  ProgramState Program() override { return program; }
  std::uint32_t Now() override { return now; }
  bool Post(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
    posted.push_back(message == kKeystrokeMessage && wParam != kKeystrokeReset
                         ? std::string(1, static_cast<char>(lParam & 0xFF))
                         : message == kBusyEndMessage ? "end" : "reset");
    lastLParam = lParam;
    return true;
  }
  bool SendAgain(const KeyStroke& key) override {
    sent.push_back(key);
    watch->OnKey(key, KeyOrigin::Released, 1);
    return true;
  }
  TypedText Translate(const KeyStroke& key, const ModifierState&) override {
    return {true, std::string(1, static_cast<char>(key.virtualKey + 0x20))};
  }
  void ClearDeadKey() override {}
  void EndInUse(std::uint32_t) override { program.inUse = false; }

  void Read() {
    program.acknowledges = true;
    program.readReport = ReportNumberOf(lastLParam);
    ++program.words;
  }

  ProgramState program;
  std::uint32_t now = 0;
  std::vector<std::string> posted;
  std::vector<KeyStroke> sent;
  std::intptr_t lastLParam = 0;
  KeyWatch* watch = nullptr;
};

class KeyWatchTest : public ::testing::Test {
 protected:
  KeyWatchTest() : watch(host, false, 1) { host.watch = &watch; }

  bool Type(unsigned vk) {
    const bool kept = watch.OnKey(Down(vk), KeyOrigin::User, 1);
    watch.OnKey(Up(vk), KeyOrigin::User, 1);
    return kept;
  }

  RecordingHost host;
  KeyWatch watch;
};

TEST_F(KeyWatchTest, ReportsAreNumberedAndAKeyAfterAnUnreadOneWaitsForTheRead) {
  host.program.acknowledges = true;
  EXPECT_FALSE(Type(kA));
  EXPECT_EQ(ReportNumberOf(host.lastLParam), 1u);
  EXPECT_TRUE(Type(kB));
  EXPECT_FALSE(watch.ReleaseDue());
  host.Read();
  watch.Check();
  EXPECT_EQ(host.sent, (std::vector<KeyStroke>{Down(kB)}));
  // "b" was read on its way back; its release waits for that report to be read.
  host.Read();
  watch.Check();
  EXPECT_EQ(host.sent, (std::vector<KeyStroke>{Down(kB), Up(kB)}));
  EXPECT_EQ(host.posted, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(ReportNumberOf(host.lastLParam), 2u);
}

TEST_F(KeyWatchTest, KeysKeptWhenReadingStopsAreReadOnceItStartsAgain) {
  host.program.acknowledges = true;
  Type(kA);
  EXPECT_TRUE(Type(kB));
  // The hook is re-installed: nothing is posted or sent meanwhile.
  watch.StopReading();
  host.Read();
  watch.Check();
  EXPECT_TRUE(host.sent.empty());
  watch.StartReading(true);
  watch.Check();
  EXPECT_EQ(host.posted, (std::vector<std::string>{"a", "b"}));
}

TEST_F(KeyWatchTest, AnotherReaderIsNotWaitedForOnTheLastOnesReports) {
  host.program.acknowledges = true;
  Type(kA);
  EXPECT_TRUE(Type(kB));
  watch.StopReading();
  watch.StartReading(false);
  watch.Check();
  EXPECT_EQ(host.sent.front(), Down(kB));
}

TEST_F(KeyWatchTest, TheEndOfReplayKeyEndsThatReplayAndIsReportedOnlyWhileReading) {
  host.program.inUse = true;
  watch.OnKey(Down(0x2B), KeyOrigin::Ours, 1);
  EXPECT_FALSE(host.program.inUse);
  host.program.inUse = true;
  watch.StopReading();
  watch.OnKey(Down(0x2B), KeyOrigin::Ours, 1);
  EXPECT_FALSE(host.program.inUse);
  EXPECT_EQ(host.posted, std::vector<std::string>{"end"});
}

}  // namespace
}  // namespace wordsnap::hook
