#pragma once
// What the system-wide hook does with each key and mouse button it sees: keep it
// out of a replay (KeyHold), or let it pass and report what it typed to the main
// window, numbered, so the program can say which reports it has read. The hook
// procedures and the thread they run on are the Win32 side's; everything they
// decide is decided here.

#include <cstdint>
#include <string>
#include <vector>

#include "core/hook/key_filter.h"
#include "core/hook/key_hold.h"

namespace wordsnap::hook {

// The characters a key makes in the foreground application's layout.
struct TypedText {
  bool madeCharacter = false;  // false: the key makes no character in this layout
  std::string ansi;            // empty while a dead key waits for the next key
};

class WatchHost {
 public:
  virtual ~WatchHost() = default;
  // What the program has said, now.
  virtual ProgramState Program() = 0;
  // A millisecond tick count; it may wrap.
  virtual std::uint32_t Now() = 0;
  // Posts to the main window; false when it could not.
  virtual bool Post(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
  // Sends a kept key again, with the released mark; false when the system did not take it.
  virtual bool SendAgain(const KeyStroke& key) = 0;
  // The characters the foreground application's layout makes of the key.
  virtual TypedText Translate(const KeyStroke& key, const ModifierState& modifiers) = 0;
  // A dead key waiting in the translation is forgotten (the caret moved).
  virtual void ClearDeadKey() = 0;
  // The end-of-replay key of the replay that began as `period` went by.
  virtual void EndInUse(std::uint32_t period) = 0;
};

class KeyWatch {
 public:
  KeyWatch(WatchHost& host, bool capsLockOn, std::uintptr_t foreground) noexcept;

  // A key seen by the hook, in the foreground window given; true when it is kept
  // (the hook swallows it). Sends nothing itself: when ReleaseDue, the caller
  // runs Check once the hook procedure has returned.
  bool OnKey(const KeyStroke& key, KeyOrigin origin, std::uintptr_t foreground);
  void OnMouseButton(bool ours);

  // Between keys (a timer, a word from the program): follows the program and
  // sends again the kept keys that are due.
  void Check();
  bool ReleaseDue();
  // Kept keys or a pause need watching: run Check on a timer of kReleasePaceMs.
  bool NeedsTimer() const noexcept { return hold_.Busy(); }

  // Nobody reads the reports for now (the hook is being re-installed, or goes):
  // nothing is posted, and the kept keys stay kept, so that none is typed unread.
  // StartReading turns reading on again; for another reader, the reports out
  // are waited for no more.
  void StopReading() noexcept { reading_ = false; }
  void StartReading(bool sameReader) noexcept;
  // Types everything still kept, at once.
  void LetAllGo();

 private:
  // Reports what the key means to the main window.
  void Read(const KeyStroke& key, KeyOrigin origin, std::uintptr_t foreground);
  void Report(std::uintptr_t wParam, unsigned char character, bool pace);
  void Reset();

  WatchHost& host_;
  KeyFilter filter_;
  KeyHold hold_;
  bool reading_ = true;
};

}  // namespace wordsnap::hook
