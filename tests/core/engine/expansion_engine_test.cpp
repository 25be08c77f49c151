#include "core/engine/expansion_engine.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "fakes/fake_output.h"

namespace wordsnap {
namespace {

using fakes::FakeOutput;
using Calls = std::vector<std::string>;

// The window's side, recorded. Records are "read" from a map by number.
class FakeHost : public EngineHost {
 public:
  explicit FakeHost(AppState& app) : app_(app) {}

  void PostHintHide() override { calls.push_back("hide"); }
  void ShowHint(const WordsnapNode& node) override { calls.push_back("hint " + std::string(node.Name())); }
  void SetHookInUse(bool inUse) override { calls.push_back(inUse ? "in use" : "free"); }
  void StartClearTimer() override {
    calls.push_back("start ClearTimer");
    clearTimerRunning = true;
  }
  void StopClearTimer() override {
    calls.push_back("stop ClearTimer");
    clearTimerRunning = false;
  }
  bool ReloadIfSharedFileChanged() override {
    calls.push_back("sync check");
    if (!changeWaiting) return false;
    changeWaiting = false;
    records[1].ReplacementText = "Kind regards";
    return true;
  }
  bool LoadAHotKey(std::int32_t recordNo) override {
    calls.push_back("load " + std::to_string(recordNo));
    const auto found = records.find(recordNo);
    if (loadFails || found == records.end()) return false;
    app_.store.current.Record = found->second;
    return true;
  }

  TargetWindow ForegroundTarget() override { return target; }
  void TellTargetRefusesKeys() override { calls.push_back("tell refused"); }
  void TellClipboardRefused() override { calls.push_back("tell clipboard refused"); }

  std::map<std::int32_t, WordsnapRecord> records;
  TargetWindow target;
  bool changeWaiting = false;
  bool loadFails = false;
  bool clearTimerRunning = false;
  Calls calls;

 private:
  AppState& app_;
};

class ExpansionEngineTest : public ::testing::Test {
 protected:
  ExpansionEngineTest() : host(app), engine(app, output, host) {
    app.settings.useSuffix = true;
    app.settings.doHint = false;
    app.settings.retypeSuffix = false;
    app.settings.clipSetting = kClipKeyboardForAll;
    Add("sig", "Regards");
    engine.SetPref();
  }

  void Add(const std::string& name, const std::string& text, std::uint8_t active = 1) {
    CurrentRecordBuffer buffer;
    buffer.Record.Name = name;
    buffer.Record.ReplacementText = text;
    buffer.Record.Active = active;
    buffer.Record.CaseRule = kCaseNone;
    buffer.RecordNo = ++app.store.recordCount;
    AddWordsnapNode(app.store, buffer);
    host.records[buffer.RecordNo] = buffer.Record;
  }

  // The user types into the target; the hook library reports each character.
  void Type(const std::string& text, std::uintptr_t wParam = 0) {
    for (char c : text) {
      if (c == '\b') {
        if (!output.document.empty()) output.document.pop_back();
      } else {
        output.document += c;
      }
      engine.OnKeystroke(wParam, static_cast<unsigned char>(c));
    }
  }

  AppState app;
  FakeOutput output;
  FakeHost host;
  ExpansionEngine engine;
};

TEST_F(ExpansionEngineTest, TypedNameAndSpaceAreReplacedAndTheEngineStaysDeafUntilBusyEnd) {
  output.shiftDownPolls = 2;
  output.onPump = [this] { engine.OnKeystroke(0, 'x'); };  // the program's own keys coming back
  Type("sig ");

  EXPECT_EQ(output.document, "Regards");
  EXPECT_EQ(output.log[0], "sleep 1") << "Shift was released before anything was sent";
  EXPECT_EQ(host.calls, (Calls{"stop ClearTimer", "in use", "load 1", "start ClearTimer"}));
  EXPECT_EQ(engine.LastMatch(), (Match{1, 3}));
  EXPECT_TRUE(engine.Monitor().Busy());
  EXPECT_EQ(engine.Monitor().TypedBuffer(), "");

  Type("sig ");
  EXPECT_EQ(output.document, "Regardssig ") << "dropped while busy";

  engine.OnBusyEnd();
  EXPECT_FALSE(engine.Monitor().Busy());
  Type("sig ");
  EXPECT_EQ(output.document, "Regardssig Regards");
}

TEST_F(ExpansionEngineTest, AWindowRunningAsAdministratorGetsNothingAndIsToldOfOncePerWindow) {
  host.target = {7, kIntegrityHigh, kIntegrityMedium};
  Type("sig ");
  EXPECT_EQ(output.document, "sig ") << "nothing erased, nothing played";
  EXPECT_EQ(host.calls, (Calls{"tell refused"}));
  EXPECT_FALSE(engine.Monitor().Busy());
  EXPECT_EQ(engine.Monitor().TypedBuffer(), "");

  Type("sig ");
  EXPECT_EQ(host.calls, (Calls{"tell refused"})) << "told once for this window";

  host.target = {8, kIntegrityHigh, kIntegrityMedium};
  Type("sig ");
  EXPECT_EQ(host.calls, (Calls{"tell refused", "tell refused"})) << "and once for another";

  // Running as administrator ourselves, into a window of our level, or into one whose
  // level cannot be read (another user's), the keys arrive.
  for (const TargetWindow& target : {TargetWindow{7, kIntegrityHigh, kIntegrityHigh},
                                     TargetWindow{9, kIntegrityMedium, kIntegrityMedium},
                                     TargetWindow{10, std::nullopt, kIntegrityMedium}}) {
    host.calls.clear();
    output.document.clear();
    host.target = target;
    Type("sig ");
    EXPECT_EQ(output.document, "Regards");
    engine.OnBusyEnd();
  }
}

TEST_F(ExpansionEngineTest, AClipboardThatCannotBeSetLeavesTheTypedNameAndIsToldOfEachTime) {
  app.settings.clipSetting = kClipClipboardForAll;
  output.clipboardFails = true;
  Type("sig ");
  EXPECT_EQ(output.document, "sig ");
  EXPECT_EQ(output.Keys(), "2B") << "only the end of the replay";
  EXPECT_EQ(host.calls, (Calls{"stop ClearTimer", "in use", "load 1", "tell clipboard refused", "start ClearTimer"}));
  EXPECT_EQ(engine.Monitor().TypedBuffer(), "");

  engine.OnBusyEnd();
  output.clipboardFails = false;
  host.calls.clear();
  Type("sig ");
  EXPECT_EQ(output.document, "sig Regards");
  EXPECT_EQ(host.calls, (Calls{"stop ClearTimer", "in use", "load 1", "start ClearTimer"}));
}

TEST_F(ExpansionEngineTest, ClearTimerEndsTheBusyStateWhenBusyEndNeverCame) {
  Type("sig ");
  host.calls.clear();
  engine.ClearTimerTimer();
  EXPECT_EQ(host.calls, (Calls{"stop ClearTimer", "free"}));
  EXPECT_FALSE(engine.Monitor().Busy());
}

TEST_F(ExpansionEngineTest, TheLastExpansionsClearTimerCannotEndTheNextWhileItPlays) {
  Type("sig ");
  engine.OnBusyEnd();
  // The next expansion plays when the last one's ClearTimer comes due.
  output.onPump = [this] {
    if (host.clearTimerRunning) engine.ClearTimerTimer();
  };
  host.calls.clear();
  Type("sig ");
  EXPECT_EQ(output.document, "RegardsRegards");
  EXPECT_TRUE(engine.Monitor().Busy());
  EXPECT_EQ(host.calls, (Calls{"stop ClearTimer", "in use", "load 1", "start ClearTimer"}));
}

TEST_F(ExpansionEngineTest, PrefixModeWithoutPrefixKeysPlaysTheLongestEndingAsSoonAsItIsTyped) {
  app.settings.useSuffix = false;
  engine.SetPref();
  Add("b", "bee");
  Add("ab", "Alpha");
  Type("xa");
  EXPECT_EQ(output.document, "xa");
  Type("b");
  EXPECT_EQ(output.document, "xAlpha");
}

TEST_F(ExpansionEngineTest, PrefixKeysAreErasedWithTheName) {
  app.settings.useSuffix = false;
  app.store.prefixKeys = ";;";
  engine.SetPref();
  EXPECT_EQ(engine.ActivePrefix(), ";;");
  Type("sig");
  EXPECT_EQ(output.document, "sig") << "prefix keys not typed";
  Type(" ;;sig");
  EXPECT_EQ(output.document, "sig Regards");
}

TEST_F(ExpansionEngineTest, CapsLockOnWhileTypingGivesTheStoredCaseAndStaysOn) {
  output.capsLockOn = true;
  Type("SIG ", kKeystrokeCapsOn);
  EXPECT_EQ(output.document, "Regards");
  EXPECT_TRUE(output.capsLockOn);
}

TEST_F(ExpansionEngineTest, NetworkChangeReloadsAndPlaysTheReloadedWordsnap) {
  app.settings.networkMode = true;
  host.changeWaiting = true;
  Type("sig ");
  EXPECT_EQ(output.document, "Kind regards");
  EXPECT_EQ(host.calls, (Calls{"sync check", "sync check", "stop ClearTimer", "in use", "load 1", "start ClearTimer"}));
}

TEST_F(ExpansionEngineTest, OutsideNetworkModeTheSyncFileIsNotChecked) {
  host.changeWaiting = true;
  Type("sig ");
  EXPECT_EQ(output.document, "Regards");
  EXPECT_EQ(host.calls, (Calls{"stop ClearTimer", "in use", "load 1", "start ClearTimer"}));
}

TEST_F(ExpansionEngineTest, UnreadableRecordLeavesTheTextAndEndsTheBusyStateAtOnce) {
  host.loadFails = true;
  Type("sig ");
  EXPECT_EQ(output.document, "sig ");
  EXPECT_TRUE(output.log.empty());
  EXPECT_EQ(host.calls, (Calls{"stop ClearTimer", "in use", "load 1", "free"}));
  EXPECT_FALSE(engine.Monitor().Busy());
  EXPECT_EQ(engine.Monitor().TypedBuffer(), "");
}

TEST_F(ExpansionEngineTest, HintsFollowTheWholeWordAndEveryKeyHidesThemFirst) {
  app.settings.doHint = true;
  Add("off", "x", 0);
  Type("si");
  EXPECT_EQ(host.calls, (Calls{"hide", "hide"}));
  host.calls.clear();
  Type("gx\b");
  EXPECT_EQ(host.calls, (Calls{"hide", "hint sig", "hide", "hide", "hint sig"}));

  engine.OnKeystroke(kKeystrokeReset, 0);
  host.calls.clear();
  Type("off");
  EXPECT_EQ(host.calls, (Calls{"hide", "hide", "hide"})) << "an inactive Wordsnap gives no hint";

  engine.OnKeystroke(kKeystrokeReset, 0);
  host.calls.clear();
  engine.SetHintMappingMissing(true);
  Type("sig");
  EXPECT_TRUE(host.calls.empty());
}

}  // namespace
}  // namespace wordsnap
