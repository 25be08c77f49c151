#pragma once
// Keeps the user's keys out of a playing expansion. While the program is in use,
// a key of the user's is swallowed and kept; once the replay ends (its
// end-of-replay key, or the program says it is free again) the kept keys are
// sent again, in order, so the application gets them after the replacement and
// the hook then reads them as typing. Keys are told apart by the mark they
// carry, never by timing.
//
// No key is kept longer than kHoldLimitMs: when that passes, the kept keys are
// let go and the rest of that replay is not held, so a program stuck in the
// middle of a replay never leaves the keyboard dead.
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

// The longest a key is kept, in milliseconds.
inline constexpr std::uint32_t kHoldLimitMs = 3000;
// More kept key events than this (a key held down and repeating for seconds) end the hold at once.
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
  bool OnKey(const KeyStroke& key, KeyOrigin origin, InUseState state, std::uint32_t now);
  // Follows the in-use state and the limit between keys.
  void Update(InUseState state, std::uint32_t now);

  // Kept keys are to be sent again now (TakeRelease).
  bool ReleaseDue() const noexcept { return releaseDue_; }
  // The kept keys, in order, to send with the released mark; from here on they
  // are awaited back, and keys of the user's keep being kept until they are
  // through, so that nothing overtakes them.
  std::vector<KeyStroke> TakeRelease(std::uint32_t now);
  // The last `count` keys taken could not be sent: they are awaited no more.
  void NotSent(std::size_t count);

  // Keys are kept or awaited: the limit needs watching (Update on a timer).
  bool Busy() const noexcept { return phase_ != Phase::kPassing; }
  // Everything still kept, for when the hook goes away; the hold starts afresh.
  std::vector<KeyStroke> TakeAll();

 private:
  enum class Phase {
    kPassing,    // nothing kept
    kHolding,    // keeping the user's keys during a replay
    kReleasing,  // the replay is over; kept keys are on their way back
  };

  bool HoldsIn(InUseState state) const noexcept;
  void StartRelease() noexcept;
  // The released keys are all back (or lost): send what was kept meanwhile, or pass again.
  void FinishRelease() noexcept;
  void Keep(const KeyStroke& key);
  void Follow(const KeyStroke& key) noexcept;

  Phase phase_ = Phase::kPassing;
  std::deque<KeyStroke> kept_;
  std::uint32_t keptSince_ = 0;    // when the hold of this replay kept its first key
  std::uint32_t releaseSince_ = 0; // when the last keys were sent again
  std::uint32_t holdingPeriod_ = 0;
  bool gaveUp_ = false;            // the hold of `gaveUpPeriod_` reached the limit
  std::uint32_t gaveUpPeriod_ = 0;
  std::size_t awaited_ = 0;        // keys sent again, not yet seen back
  bool releaseDue_ = false;
  std::bitset<256> appDown_;       // user keys the application has seen pressed and not released
};

}  // namespace wordsnap::hook
