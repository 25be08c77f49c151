#include "core/hook/key_hold.h"

namespace wordsnap::hook {

namespace {

unsigned Slot(const KeyStroke& key) { return key.virtualKey & 0xFF; }

// Unsigned differences: right across the tick count's wrap-around.
bool LimitPassed(std::uint32_t since, std::uint32_t now) { return now - since >= kHoldLimitMs; }
bool PacePassed(std::uint32_t since, std::uint32_t now) { return now - since >= kReleasePaceMs; }

}  // namespace

bool KeyHold::HoldsIn(InUseState state) const noexcept {
  return state.inUse && !(gaveUp_ && gaveUpPeriod_ == state.period);
}

bool KeyHold::OldestOverdue(std::uint32_t now) const noexcept {
  return !kept_.empty() && LimitPassed(kept_.front().since, now);
}

void KeyHold::Update(InUseState state, std::uint32_t now) {
  switch (phase_) {
    case Phase::kPassing:
      return;
    case Phase::kHolding:
      if (!state.inUse) {
        StartRelease();
        return;
      }
      // A new replay that began before the end of the last one was seen just goes on
      // holding: the kept keys still land after it.
      holdingPeriod_ = state.period;
      if (OldestOverdue(now)) GiveUp();
      return;
    case Phase::kReleasing:
      if (HoldsIn(state)) {
        // A Wordsnap among the released keys plays: the rest waits for its end.
        phase_ = Phase::kHolding;
        holdingPeriod_ = state.period;
        pacing_ = false;
        if (OldestOverdue(now)) GiveUp();
        return;
      }
      if (pacing_ && PacePassed(pacedSince_, now)) pacing_ = false;
      // Keys sent but never seen back: stop waiting.
      if (awaited_ > 0 && LimitPassed(awaitedSince_, now)) awaited_ = 0;
      if (OldestOverdue(now)) flushing_ = true;
      FinishIfDone();
      return;
  }
}

bool KeyHold::OnKey(const KeyStroke& key, KeyOrigin origin, InUseState state, std::uint32_t now) {
  Update(state, now);
  switch (origin) {
    case KeyOrigin::kOurs:
      return false;
    case KeyOrigin::kReleased:
      // The hook reads it next and may report it (Reported); the release ends at
      // the next Update at the earliest.
      Follow(key);
      if (awaited_ > 0) --awaited_;
      return false;
    case KeyOrigin::kUser:
      break;
  }
  if (phase_ == Phase::kPassing) {
    // Nothing is kept: a release of a key the application has down cannot overtake anything.
    if (!HoldsIn(state) || (!key.down && appDown_[Slot(key)])) {
      Follow(key);
      return false;
    }
    phase_ = Phase::kHolding;
    holdingPeriod_ = state.period;
  }
  kept_.push_back({key, now});
  if (kept_.size() >= kMaxKeptKeys) {
    if (phase_ == Phase::kHolding) {
      GiveUp();
    } else {
      flushing_ = true;
    }
  }
  return true;
}

bool KeyHold::ReleaseDue() const noexcept {
  return phase_ == Phase::kReleasing && !kept_.empty() && (flushing_ || (awaited_ == 0 && !pacing_));
}

KeyStroke KeyHold::TakeNext(std::uint32_t now) {
  if (kept_.empty()) return {};
  const KeyStroke key = kept_.front().key;
  kept_.pop_front();
  ++awaited_;
  awaitedSince_ = now;
  return key;
}

void KeyHold::NotSent() noexcept {
  if (awaited_ > 0) --awaited_;
  FinishIfDone();
}

void KeyHold::Reported(std::uint32_t now) noexcept {
  if (phase_ != Phase::kReleasing || flushing_) return;
  pacing_ = true;
  pacedSince_ = now;
}

std::vector<KeyStroke> KeyHold::TakeAll() {
  std::vector<KeyStroke> keys;
  for (const KeptKey& kept : kept_) keys.push_back(kept.key);
  kept_.clear();
  phase_ = Phase::kPassing;
  flushing_ = false;
  awaited_ = 0;
  pacing_ = false;
  return keys;
}

void KeyHold::GiveUp() noexcept {
  gaveUp_ = true;
  gaveUpPeriod_ = holdingPeriod_;
  flushing_ = true;
  StartRelease();
}

void KeyHold::StartRelease() noexcept {
  phase_ = Phase::kReleasing;
  FinishIfDone();
}

void KeyHold::FinishIfDone() noexcept {
  if (phase_ != Phase::kReleasing || !kept_.empty() || awaited_ > 0 || pacing_) return;
  phase_ = Phase::kPassing;
  flushing_ = false;
}

void KeyHold::Follow(const KeyStroke& key) noexcept { appDown_[Slot(key)] = key.down; }

}  // namespace wordsnap::hook
