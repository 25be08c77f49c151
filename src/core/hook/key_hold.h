#pragma once
// Keeps the user's keys from crossing what the program does with the keys before
// them. A key of the user's is swallowed and kept while
//  - the program plays an expansion (it is "in use"), or
//  - the program has not yet read a keystroke report the hook sent it (it may be
//    about to play one: the key typed after a name must land after the
//    replacement, never between the name and its erasing).
// Once neither holds, the kept keys are sent again, in order, one at a time: the
// next goes once the last has come back through the hook and every report made
// of it has been read. A Wordsnap typed among the kept keys thus starts before
// the keys after it are sent. Keys are told apart by the mark they carry, never
// by timing.
//
// A program that does not say which reports it has read is never waited for on
// that account; the kept keys then go kReleasePaceMs apart after each that typed
// a character, which usually gives it time to start a Wordsnap among them.
//
// The program can get stuck. The hold gives up when it has heard nothing from
// the program for kStallLimitMs while keys are kept: no key of its replay, no
// word (in use again, reports read), no report read. The kept keys are let go at
// once, and that replay and those reports are waited for no more. A long replay
// that keeps making progress is never cut into, however long it takes.
//
// A program that is not reading at all (busy with something long) is waited
// for once; after that the user's keys pass until it reads again, so typing
// elsewhere never stutters while the program works.
//
// Nothing sticks: while nothing is kept, the release of a key whose press the
// application already had goes straight through; once keys are kept, every key of
// the user's is kept behind them, releases included, so each release reaches the
// application after its press. Shift is the exception the program needs: it
// waits for Shift to be up before it plays, so a release of Shift the
// application has down passes at once, and the kept keys, typed while it was
// down, get a press of Shift before them and its release after them; a key sent
// again that the release overtook on its way back is swallowed and sent again
// behind that press.

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace wordsnap::hook {

// How long the hold waits without a sign of progress from the program, in milliseconds.
inline constexpr std::uint32_t kStallLimitMs = 3000;
// The pause after a kept key that typed a character is sent again, for a program
// that does not say which reports it has read, in milliseconds.
inline constexpr std::uint32_t kReleasePaceMs = 25;
// More kept key events than this (a key held down and repeating) end the hold at once.
inline constexpr std::size_t kMaxKeptKeys = 512;
// Report numbers count modulo this (they ride in the upper 24 bits of lParam).
inline constexpr std::uint32_t kReportNumberModulus = 1u << 24;

// One key event as the hook saw it: enough to send it again.
struct KeyStroke {
  unsigned virtualKey = 0;
  unsigned scanCode = 0;
  bool extended = false;
  bool down = false;

  bool operator==(const KeyStroke&) const = default;
};

enum class KeyOrigin {
  User,      // carries no mark of ours: the user's typing (or another program's keys)
  Ours,      // the program's own replay
  Released,  // a kept key of the user's, sent again by the hook
};

// What the program has said, as last heard.
struct ProgramState {
  bool inUse = false;
  std::uint32_t period = 0;          // counts the starts of the in-use state
  bool acknowledges = false;         // the program says which reports it has read
  std::uint32_t readReport = 0;      // the number of the newest report it has read
  std::uint32_t words = 0;           // counts every call from the program: a sign of life
};

// True when report number `a` is newer than `b` (numbers wrap around).
bool ReportIsNewer(std::uint32_t a, std::uint32_t b) noexcept;

class KeyHold {
 public:
  // Follows the program and the limit, then decides on the key: true when it is
  // swallowed (kept). `now` is a millisecond tick count; it may wrap.
  bool OnKey(const KeyStroke& key, KeyOrigin origin, const ProgramState& program, std::uint32_t now);
  // Follows the program and the limit (between keys, and after each key read).
  void Update(const ProgramState& program, std::uint32_t now);

  // The number for the next report to the program.
  std::uint32_t NextReportNumber() const noexcept { return (lastReport_ + 1) % kReportNumberModulus; }
  // That report went out: the program is waited for until it has read it. When the
  // key just read was one sent again and typed a character, the next kept key
  // waits for the pace too (for a program that does not acknowledge).
  void Reported(std::uint32_t number, bool character, std::uint32_t now) noexcept;

  // A kept key is to be sent again now (TakeNext).
  bool ReleaseDue(const ProgramState& program) const noexcept;
  // The oldest kept key, to send with the released mark; it is awaited back.
  KeyStroke TakeNext(std::uint32_t now);
  // The key taken last could not be sent: it is awaited no more.
  void NotSent() noexcept;

  // Keys are kept, awaited or paced: the limit and the pace need watching
  // (Update on a timer of kReleasePaceMs).
  bool Busy() const noexcept { return !kept_.empty() || awaited_ > 0 || pacing_; }
  // Everything still kept, to send at once (the hook goes, or nobody reads any
  // more); nothing is waited for afterwards.
  std::vector<KeyStroke> TakeAll();
  // The reports sent so far need no reading (their reader went away).
  void ForgetReports() noexcept { assumedRead_ = lastReport_; }

 private:
  bool Playing(const ProgramState& program) const noexcept;
  bool Unread(const ProgramState& program) const noexcept;
  bool Blocked(const ProgramState& program) const noexcept { return Playing(program) || Unread(program); }
  void GiveUp(const ProgramState& program) noexcept;
  void Follow(const KeyStroke& key) noexcept { appDown_[key.virtualKey & 0xFF] = key.down; }

  std::deque<KeyStroke> kept_;
  std::uint32_t lastSign_ = 0;      // when the program last showed progress, or a wait for it began
  std::uint32_t wordsSeen_ = 0;
  std::uint32_t lastReport_ = 0;    // the newest report sent
  std::uint32_t assumedRead_ = 0;   // reports up to this one are waited for no more
  bool readerStalled_ = false;      // waiting for reads gave up: not again until one comes
  std::uint32_t stalledAtRead_ = 0;
  bool gaveUpPlaying_ = false;      // the replay of `gaveUpPeriod_` is held no more
  std::uint32_t gaveUpPeriod_ = 0;
  bool flushing_ = false;           // the kept keys go without waiting for anything
  std::size_t awaited_ = 0;         // keys sent again, not yet seen back
  std::size_t requeue_ = 0;         // of those, how many a release of Shift overtook
  std::size_t requeueAt_ = 1;       // where the next of them goes back among the kept keys
  std::uint32_t awaitedSince_ = 0;
  bool pacing_ = false;             // a key sent again typed a character: the next waits
  std::uint32_t pacedSince_ = 0;
  std::bitset<256> appDown_;        // user keys the application has seen pressed and not released
};

}  // namespace wordsnap::hook
