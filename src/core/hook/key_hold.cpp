#include "core/hook/key_hold.h"

#include <algorithm>

namespace wordsnap::hook {

namespace {

unsigned Slot(const KeyStroke& key) { return key.virtualKey & 0xFF; }

// Unsigned difference: right across the tick count's wrap-around.
bool LimitPassed(std::uint32_t since, std::uint32_t now) { return now - since >= kHoldLimitMs; }

}  // namespace

bool KeyHold::HoldsIn(InUseState state) const noexcept {
  return state.inUse && !(gaveUp_ && gaveUpPeriod_ == state.period);
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
      if (LimitPassed(keptSince_, now)) {
        gaveUp_ = true;
        gaveUpPeriod_ = holdingPeriod_;
        StartRelease();
      }
      return;
    case Phase::kReleasing:
      if (awaited_ > 0 && LimitPassed(releaseSince_, now)) {
        // Sent but never seen back: the hook will not see them any more.
        awaited_ = 0;
        FinishRelease();
      }
      return;
  }
}

bool KeyHold::OnKey(const KeyStroke& key, KeyOrigin origin, InUseState state, std::uint32_t now) {
  Update(state, now);
  switch (origin) {
    case KeyOrigin::kOurs:
      return false;
    case KeyOrigin::kReleased:
      Follow(key);
      if (phase_ == Phase::kReleasing && awaited_ > 0 && --awaited_ == 0) FinishRelease();
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
    keptSince_ = now;
  }
  Keep(key);
  if (phase_ == Phase::kHolding && kept_.size() >= kMaxKeptKeys) {
    gaveUp_ = true;
    gaveUpPeriod_ = holdingPeriod_;
    StartRelease();
  }
  return true;
}

std::vector<KeyStroke> KeyHold::TakeRelease(std::uint32_t now) {
  std::vector<KeyStroke> keys(kept_.begin(), kept_.end());
  kept_.clear();
  releaseDue_ = false;
  if (phase_ != Phase::kReleasing) return keys;
  awaited_ += keys.size();
  releaseSince_ = now;
  if (awaited_ == 0) FinishRelease();
  return keys;
}

void KeyHold::NotSent(std::size_t count) {
  if (phase_ != Phase::kReleasing || awaited_ == 0) return;
  awaited_ -= std::min(count, awaited_);
  if (awaited_ == 0) FinishRelease();
}

std::vector<KeyStroke> KeyHold::TakeAll() {
  std::vector<KeyStroke> keys(kept_.begin(), kept_.end());
  kept_.clear();
  phase_ = Phase::kPassing;
  awaited_ = 0;
  releaseDue_ = false;
  return keys;
}

void KeyHold::StartRelease() noexcept {
  phase_ = Phase::kReleasing;
  if (kept_.empty()) {
    FinishRelease();
  } else {
    releaseDue_ = true;
  }
}

void KeyHold::FinishRelease() noexcept {
  if (!kept_.empty()) {
    releaseDue_ = true;
    return;
  }
  phase_ = Phase::kPassing;
  releaseDue_ = false;
}

void KeyHold::Keep(const KeyStroke& key) { kept_.push_back(key); }

void KeyHold::Follow(const KeyStroke& key) noexcept { appDown_[Slot(key)] = key.down; }

}  // namespace wordsnap::hook
