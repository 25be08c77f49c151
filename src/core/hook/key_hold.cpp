#include "core/hook/key_hold.h"

#include <algorithm>

namespace wordsnap::hook {

namespace {

constexpr unsigned kShift = 0x10;
constexpr unsigned kLeftShift = 0xA0;
constexpr unsigned kRightShift = 0xA1;

bool IsShift(unsigned virtualKey) {
  return virtualKey == kShift || virtualKey == kLeftShift || virtualKey == kRightShift;
}

// Unsigned differences: right across the tick count's wrap-around.
bool Passed(std::uint32_t since, std::uint32_t now, std::uint32_t limit) { return now - since >= limit; }

}  // namespace

bool ReportIsNewer(std::uint32_t a, std::uint32_t b) noexcept {
  const std::uint32_t ahead = (a - b) % kReportNumberModulus;
  return ahead != 0 && ahead < kReportNumberModulus / 2;
}

bool KeyHold::Playing(const ProgramState& program) const noexcept {
  return program.inUse && !(gaveUpPlaying_ && gaveUpPeriod_ == program.period);
}

bool KeyHold::Unread(const ProgramState& program) const noexcept {
  if (!program.acknowledges) return false;
  if (readerStalled_ && program.readReport == stalledAtRead_) return false;
  const std::uint32_t read = ReportIsNewer(program.readReport, assumedRead_) ? program.readReport : assumedRead_;
  return ReportIsNewer(lastReport_, read);
}

void KeyHold::Update(const ProgramState& program, std::uint32_t now) {
  if (program.words != wordsSeen_) {
    wordsSeen_ = program.words;
    lastSign_ = now;
  }
  if (readerStalled_ && program.readReport != stalledAtRead_) readerStalled_ = false;
  if (pacing_ && Passed(pacedSince_, now, kReleasePaceMs)) pacing_ = false;
  // Keys sent but never seen back: stop waiting.
  if (awaited_ > 0 && Passed(awaitedSince_, now, kStallLimitMs)) awaited_ = requeue_ = 0;
  if (!kept_.empty() && !flushing_ && Blocked(program) && Passed(lastSign_, now, kStallLimitMs)) GiveUp(program);
  if (kept_.empty()) flushing_ = false;
}

bool KeyHold::OnKey(const KeyStroke& key, KeyOrigin origin, const ProgramState& program, std::uint32_t now) {
  Update(program, now);
  switch (origin) {
    case KeyOrigin::Ours:
      // The replay goes on.
      lastSign_ = now;
      return false;
    case KeyOrigin::Released:
      if (awaited_ > 0) --awaited_;
      if (requeue_ > 0) {
        // Sent before a release of Shift that reached the hook first: it would arrive
        // without its Shift. It goes again behind the new press of Shift.
        --requeue_;
        kept_.insert(kept_.begin() + static_cast<std::ptrdiff_t>(std::min(requeueAt_++, kept_.size())), key);
        return true;
      }
      Follow(key);
      return false;
    case KeyOrigin::User:
      break;
  }
  const bool paced = pacing_ && !program.acknowledges;
  if ((!kept_.empty() || awaited_ > 0) && !key.down && IsShift(key.virtualKey) && appDown_[key.virtualKey & 0xFF]) {
    // The program may be waiting for this release before it plays. The kept keys,
    // and those sent again but not yet back (the release overtook them), were typed
    // with Shift down: they get a press of it before them and this release after them.
    kept_.push_front({key.virtualKey, key.scanCode, key.extended, true});
    kept_.push_back(key);
    requeue_ = awaited_;
    requeueAt_ = 1;
    Follow(key);
    return false;
  }
  if (kept_.empty() && !paced) {
    // Nothing is kept: a release of a key the application has down cannot overtake anything.
    if (!Blocked(program) || (!key.down && appDown_[key.virtualKey & 0xFF])) {
      Follow(key);
      return false;
    }
  }
  kept_.push_back(key);
  if (kept_.size() >= kMaxKeptKeys) GiveUp(program);
  return true;
}

void KeyHold::Reported(std::uint32_t number, bool pace, std::uint32_t now) noexcept {
  lastReport_ = number % kReportNumberModulus;
  // Waiting for the program to read it starts now.
  lastSign_ = now;
  if (pace && !flushing_) {
    pacing_ = true;
    pacedSince_ = now;
  }
}

bool KeyHold::ReleaseDue(const ProgramState& program) const noexcept {
  if (kept_.empty()) return false;
  if (flushing_) return true;
  const bool paced = pacing_ && !program.acknowledges;
  return !Blocked(program) && awaited_ == 0 && !paced;
}

KeyStroke KeyHold::TakeNext(std::uint32_t now) {
  if (kept_.empty()) return {};
  const KeyStroke key = kept_.front();
  kept_.pop_front();
  if (kept_.empty()) flushing_ = false;
  ++awaited_;
  awaitedSince_ = now;
  return key;
}

void KeyHold::NotSent() noexcept {
  if (awaited_ > 0) --awaited_;
  requeue_ = std::min(requeue_, awaited_);
}

std::vector<KeyStroke> KeyHold::TakeAll() {
  std::vector<KeyStroke> keys(kept_.begin(), kept_.end());
  kept_.clear();
  flushing_ = false;
  awaited_ = requeue_ = 0;
  pacing_ = false;
  return keys;
}

void KeyHold::GiveUp(const ProgramState& program) noexcept {
  if (Playing(program)) {
    gaveUpPlaying_ = true;
    gaveUpPeriod_ = program.period;
  } else if (Unread(program)) {
    readerStalled_ = true;
    stalledAtRead_ = program.readReport;
  }
  ForgetReports();
  flushing_ = true;
}

}  // namespace wordsnap::hook
