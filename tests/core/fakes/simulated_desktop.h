#pragma once
// A desktop in miniature on a simulated clock, for tests of typing while
// Wordsnaps play: the user's keyboard, the keyboard hook's decisions (KeyWatch)
// on the hook's own thread, the program's main thread with its message queue and
// the expansion engine, and a target text box (FakeOutput's document).
//
// Threads are events on one clock. The hook handles every key the moment it
// comes, and a key it lets pass reaches the text box at once; keys sent again
// come back through it within the send. The main thread takes a posted message
// only `mainLatencyMs` after it was posted, and only while it is in its message
// loop or pumping: that lag is where typing and replays can cross. Each key the
// program sends takes `keyCostMs`, during which the user's keys go on arriving.

#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <utility>

#include "core/app_state.h"
#include "core/engine/expansion_engine.h"
#include "core/hook/hook_contract.h"
#include "core/hook/key_watch.h"
#include "core/store/wordsnap_tree.h"
#include "fakes/fake_output.h"

namespace wordsnap::fakes {

class SimulatedDesktop {
 public:
  struct Options {
    std::uint32_t mainLatencyMs = 40;
    std::uint32_t keyCostMs = 1;
    bool programSaysWhatItRead = true;  // calls the hook's "report read"
  };

  explicit SimulatedDesktop(Options options)
      : options_(options), hook_(*this), program_(*this), engine_(app, program_, program_) {}

  AppState app;

  void AddWordsnap(const std::string& name, const std::string& text, bool viaClipboard = false,
                   std::int16_t keyDelay = 0) {
    CurrentRecordBuffer buffer;
    buffer.Record.Name = name;
    buffer.Record.ReplacementText = text;
    buffer.Record.Active = 1;
    buffer.Record.CaseRule = kCaseNone;
    buffer.Record.ViaClipboard = viaClipboard ? 1 : 0;
    buffer.Record.KeyDelay = keyDelay;
    buffer.RecordNo = ++app.store.recordCount;
    AddWordsnapNode(app.store, buffer);
    records_[buffer.RecordNo] = buffer.Record;
    engine_.SetPref();
  }

  // The user types `text` (ASCII) from `start`, a key every `intervalMs`: each is
  // pressed, and let go half way to the next. Shift goes round what needs it.
  void Type(const std::string& text, std::uint32_t start, std::uint32_t intervalMs) {
    std::uint32_t at = start;
    for (const char c : text) {
      const std::int16_t scan = UsLayoutScan(c);
      const auto vk = static_cast<unsigned>(scan & 0xFF);
      const bool shift = (scan & 0x100) != 0;
      if (shift) UserKey(kShift, true, at);
      UserKey(vk, true, at);
      UserKey(vk, false, at + intervalMs / 2);
      if (shift) UserKey(kShift, false, at + intervalMs / 2);
      at += intervalMs;
      lastTyped_ = at;
    }
  }

  // Runs until everything typed has long been handled.
  void RunToEnd() { Advance(lastTyped_ + 60000, MainThread::InLoop); }

  const std::string& Document() const { return target_.document; }
  int Expansions() const { return target_.executeKeys; }

 private:
  static constexpr unsigned kShift = 0x10;
  static constexpr std::uint32_t kHookTimerMs = hook::kReleasePaceMs;
  static constexpr std::uint32_t kClearTimerMs = 30000;
  static constexpr std::uint32_t kForever = std::numeric_limits<std::uint32_t>::max();

  enum class MainThread {
    InLoop,   // takes each message as it becomes due
    Waiting,  // a wait that ends when a message becomes due
    Sending,  // busy sending a key: takes nothing
  };

  struct Message {
    std::uint32_t dueAt;
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
  };

  // The hook's side: what the DLL does around KeyWatch.
  class Hook final : public hook::WatchHost {
   public:
    explicit Hook(SimulatedDesktop& desktop) : desktop_(desktop), watch(*this, false, 1) {}

    hook::ProgramState Program() override { return state; }
    std::uint32_t Now() override { return desktop_.now_; }
    bool Post(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override {
      desktop_.queue_.push_back({desktop_.now_ + desktop_.options_.mainLatencyMs, message, wParam, lParam});
      return true;
    }
    bool SendAgain(const hook::KeyStroke& key) override {
      desktop_.Input(key, hook::KeyOrigin::Released);
      return true;
    }
    hook::TypedText Translate(const hook::KeyStroke& key, const hook::ModifierState& modifiers) override {
      const int wanted = ((modifiers.shift ? 1 : 0) << 8) | static_cast<int>(key.virtualKey);
      for (int c = 1; c < 128; ++c) {
        if (UsLayoutScan(static_cast<char>(c)) == wanted) return {true, std::string(1, static_cast<char>(c))};
      }
      return {};
    }
    void ClearDeadKey() override {}
    void EndInUse(std::uint32_t period) override {
      if (state.period == period) state.inUse = false;
    }

    // The program's calls into the DLL.
    void SetInUse(bool inUse) {
      if (inUse && !state.inUse) ++state.period;
      state.inUse = inUse;
      ++state.words;
    }
    void ReportRead(std::intptr_t lParam) {
      const std::uint32_t number = ReportNumberOf(lParam);
      if (hook::ReportIsNewer(number, state.readReport)) state.readReport = number;
      state.acknowledges = true;
      ++state.words;
    }

    hook::ProgramState state;

   private:
    SimulatedDesktop& desktop_;

   public:
    hook::KeyWatch watch;
  };

  // The program's side: its output seam and the window's services to the engine.
  class Program final : public OutputSeam, public EngineHost {
   public:
    explicit Program(SimulatedDesktop& desktop) : desktop_(desktop) {}

    std::int16_t KeyScan(char c) override { return UsLayoutScan(c); }
    void SendKey(std::uint8_t vk, bool keyUp, bool ours) override {
      desktop_.Input({vk, 0, false, !keyUp}, ours ? hook::KeyOrigin::Ours : hook::KeyOrigin::User);
      desktop_.Advance(desktop_.now_ + desktop_.options_.keyCostMs, MainThread::Sending);
    }
    bool IsKeyDown(std::uint8_t) override { return false; }
    std::uint32_t TickCount() override { return desktop_.now_; }
    void PumpMessages() override { desktop_.Pump(); }
    void WaitForMessages(std::uint32_t milliseconds) override {
      desktop_.Advance(desktop_.now_ + milliseconds, MainThread::Waiting);
    }
    void SleepFor(std::uint32_t milliseconds) override {
      desktop_.Advance(desktop_.now_ + milliseconds, MainThread::Sending);
    }
    bool SetClipboardText(const std::string& text) override {
      desktop_.target_.clipboard = text;
      return true;
    }
    LocalDateTime Now() override {
      const std::uint32_t ms = desktop_.now_ % kMillisecondsPerDay;
      return {{2026, 12, 10}, static_cast<std::int32_t>(ms / 3600000), static_cast<std::int32_t>(ms / 60000 % 60),
              static_cast<std::int32_t>(ms / 1000 % 60), static_cast<std::int32_t>(ms % 1000)};
    }

    void PostHintHide() override {}
    void ShowHint(const WordsnapNode&) override {}
    void SetHookInUse(bool inUse) override {
      desktop_.hook_.SetInUse(inUse);
      desktop_.WakeHook();
    }
    void StartClearTimer() override {
      const std::uint32_t generation = ++clearTimerGeneration_;
      desktop_.At(desktop_.now_ + kClearTimerMs, [this, generation] {
        if (generation == clearTimerGeneration_) desktop_.engine_.ClearTimerTimer();
      });
    }
    void StopClearTimer() override { ++clearTimerGeneration_; }
    bool ReloadIfSharedFileChanged() override { return false; }
    bool LoadAHotKey(std::int32_t recordNo) override {
      desktop_.app.store.current.Record = desktop_.records_.at(recordNo);
      return true;
    }

   private:
    SimulatedDesktop& desktop_;
    std::uint32_t clearTimerGeneration_ = 0;
  };

  void UserKey(unsigned vk, bool down, std::uint32_t at) {
    At(at, [this, vk, down] { Input({vk, vk + 0x100, false, down}, hook::KeyOrigin::User); });
  }

  // A key event reaches the hook; what it lets pass reaches the text box.
  void Input(const hook::KeyStroke& key, hook::KeyOrigin origin) {
    const bool kept = hook_.watch.OnKey(key, origin, 1);
    if (!kept) target_.SendKey(static_cast<std::uint8_t>(key.virtualKey), !key.down, true);
    FollowHold();
  }

  // The hook thread's message loop: the check it posts itself, and its timer.
  void FollowHold() {
    if (hook_.watch.ReleaseDue()) WakeHook();
    if (hook_.watch.NeedsTimer() && !hookTimerSet_) {
      hookTimerSet_ = true;
      At(now_ + kHookTimerMs, [this] {
        hookTimerSet_ = false;
        CheckHook();
      });
    }
  }
  void WakeHook() {
    if (hookWoken_) return;
    hookWoken_ = true;
    At(now_, [this] {
      hookWoken_ = false;
      CheckHook();
    });
  }
  void CheckHook() {
    hook_.watch.Check();
    FollowHold();
  }

  void At(std::uint32_t time, std::function<void()> run) { events_.emplace(std::make_pair(time, ++order_), std::move(run)); }

  void Dispatch(const Message& message) {
    if (message.message == kKeystrokeMessage) {
      engine_.OnKeystroke(message.wParam, message.lParam);
      if (options_.programSaysWhatItRead) {
        hook_.ReportRead(message.lParam);
        WakeHook();
      }
    } else if (message.message == kBusyEndMessage) {
      engine_.OnBusyEnd();
    }
  }

  // The main thread processes what is due now, handlers nested inside.
  void Pump() {
    while (!queue_.empty() && queue_.front().dueAt <= now_) {
      const Message message = queue_.front();
      queue_.pop_front();
      Dispatch(message);
    }
  }

  // Lets the clock run to `until`, running what comes due in order; the main
  // thread takes its messages as its state allows.
  void Advance(std::uint32_t until, MainThread mainThread) {
    for (;;) {
      const std::uint32_t nextEvent = events_.empty() ? kForever : events_.begin()->first.first;
      const std::uint32_t nextMessage =
          mainThread == MainThread::Sending || queue_.empty() ? kForever : std::max(queue_.front().dueAt, now_);
      if (nextMessage <= until && nextMessage <= nextEvent) {
        now_ = nextMessage;
        if (mainThread == MainThread::Waiting) return;  // the wait ends: the engine pumps
        const Message message = queue_.front();
        queue_.pop_front();
        Dispatch(message);
        continue;
      }
      if (nextEvent <= until) {
        now_ = std::max(now_, nextEvent);
        auto first = events_.begin();
        const std::function<void()> run = std::move(first->second);
        events_.erase(first);
        run();
        continue;
      }
      now_ = std::max(now_, until);
      return;
    }
  }

  Options options_;
  std::uint32_t now_ = 0;
  std::uint64_t order_ = 0;
  std::map<std::pair<std::uint32_t, std::uint64_t>, std::function<void()>> events_;
  std::deque<Message> queue_;
  std::map<std::int32_t, WordsnapRecord> records_;
  FakeOutput target_;
  Hook hook_;
  Program program_;
  ExpansionEngine engine_;
  bool hookTimerSet_ = false;
  bool hookWoken_ = false;
  std::uint32_t lastTyped_ = 0;
};

}  // namespace wordsnap::fakes
