#pragma once
// Keeps the user's keys out of a playing expansion. While the program is in use,
// a key of the user's is swallowed and kept; once the replay ends (its
// end-of-replay key, or the program says it is free again) the kept keys are
// sent again, in order, so the application gets them after the replacement and
// the hook then reads them as typing. Keys are told apart by the mark they
// carry, never by timing.
//
// The kept keys go one at a time: the next is sent once the last has come back
// through the hook, and, when the hook reported a character of it, a short pause
// later (kReleasePaceMs, quicker than anyone types). The pause gives the program
// time to start a Wordsnap typed among the kept keys; once it is in use again,
// the rest is kept until that replay ends too. The user's keys that arrive
// meanwhile are kept behind the others.
//
// No key is kept longer than kHoldLimitMs: when the oldest reaches it during a
// replay, the kept keys are let go and the rest of that replay is not held; when
// it reaches it during a release, the rest goes at once, without waiting. A
// program stuck in the middle of a replay thus never leaves the keyboard dead.
//
// Nothing sticks: while nothing is kept yet, the release of a key whose press the
// application already had goes straight through (a key held when the replay
// starts is let go as soon as the user lets it go); once keys are kept, every
// key of the user's is kept behind them, releases included, so each release
// reaches the application after its press. A modifier pressed during the replay
// is kept too, so it cannot change the characters the replay types.

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace wordsnap::hook {

// The longest a key is kept, and the longest the hold waits for a key sent
// again, in milliseconds.
inline constexpr std::uint32_t kHoldLimitMs = 3000;
// The pause after a kept key that typed a character is sent again, in milliseconds.
inline constexpr std::uint32_t kReleasePaceMs = 25;
// More kept key events than this (a key held down and repeating) end the hold at once.
inline constexpr std::size_t kMaxKeptKeys = 512;

// One key event as the hook saw it: enough to send it again.
struct KeyStroke {
  unsigned virtualKey = 0;
  unsigned scanCode = 0;
  bool extended = false;
  bool down = false;

  bool operator==(const KeyStroke&) const = default;
};

enum class KeyOrigin {
  kUser,      // carries no mark of ours: the user's typing (or another program's keys)
  kOurs,      // the program's own replay
  kReleased,  // a kept key of the user's, sent again by the hook
};

// The program's in-use state as last heard. Every start of an expansion has a
// period number of its own.
struct InUseState {
  bool inUse = false;
  std::uint32_t period = 0;
};

class KeyHold {
 public:
  // Follows the in-use state and the limit, then decides on the key: true when
  // it is swallowed (kept). `now` is a millisecond tick count; it may wrap.
  // The hook calls Update after reading a key that was not kept.
  bool OnKey(const KeyStroke& key, KeyOrigin origin, InUseState state, std::uint32_t now);
  // Follows the in-use state and the limit (between keys, and after each key read).
  void Update(InUseState state, std::uint32_t now);

  // A kept key is to be sent again now (TakeNext).
  bool ReleaseDue() const noexcept;
  // The oldest kept key, to send with the released mark; it is awaited back.
  KeyStroke TakeNext(std::uint32_t now);
  // The key taken last could not be sent: it is awaited no more.
  void NotSent() noexcept;

  // The hook reported a character of the key it just read: when that was a key
  // sent again, the next waits kReleasePaceMs.
  void Reported(std::uint32_t now) noexcept;

  // Keys are kept, awaited or paced: the limit and the pace need watching
  // (Update on a timer of kReleasePaceMs).
  bool Busy() const noexcept { return phase_ != Phase::kPassing; }
  // Everything still kept, for when the hook goes away; the hold starts afresh.
  std::vector<KeyStroke> TakeAll();

 private:
  enum class Phase {
    kPassing,    // nothing kept, awaited or paced
    kHolding,    // keeping the user's keys during a replay
    kReleasing,  // the replay is over: kept keys go back one by one
  };
  struct KeptKey {
    KeyStroke key;
    std::uint32_t since = 0;
  };

  bool HoldsIn(InUseState state) const noexcept;
  bool OldestOverdue(std::uint32_t now) const noexcept;
  void GiveUp() noexcept;
  void StartRelease() noexcept;
  void FinishIfDone() noexcept;
  void Follow(const KeyStroke& key) noexcept;

  Phase phase_ = Phase::kPassing;
  std::deque<KeptKey> kept_;
  std::uint32_t holdingPeriod_ = 0;
  bool gaveUp_ = false;  // the hold of `gaveUpPeriod_` reached the limit
  std::uint32_t gaveUpPeriod_ = 0;
  bool flushing_ = false;  // the release waits for nothing any more
  std::size_t awaited_ = 0;  // keys sent again, not yet seen back
  std::uint32_t awaitedSince_ = 0;
  bool pacing_ = false;  // a key sent again typed a character: the next waits
  std::uint32_t pacedSince_ = 0;
  std::bitset<256> appDown_;  // user keys the application has seen pressed and not released
};

}  // namespace wordsnap::hook
