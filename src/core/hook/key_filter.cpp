#include "core/hook/key_filter.h"

namespace wordsnap::hook {

namespace {

bool IsNavigationKey(unsigned virtualKey) {
  switch (virtualKey) {
    case vk::kPrior:
    case vk::kNext:
    case vk::kEnd:
    case vk::kHome:
    case vk::kLeft:
    case vk::kUp:
    case vk::kRight:
    case vk::kDown:
    case vk::kInsert:
    case vk::kDelete:
      return true;
    default:
      return false;
  }
}

}  // namespace

KeyFilter::KeyFilter(bool capsLockOn, std::uintptr_t foreground) noexcept
    : capsLock_(capsLockOn), foreground_(foreground) {}

bool KeyFilter::TrackModifier(const KeyEvent& key) noexcept {
  // A key sent without a side (as keybd_event may) counts as the left one.
  switch (key.virtualKey) {
    case vk::kShift:
    case vk::kLeftShift: leftShift_ = key.down; return true;
    case vk::kRightShift: rightShift_ = key.down; return true;
    case vk::kControl:
    case vk::kLeftControl: leftControl_ = key.down; return true;
    case vk::kRightControl: rightControl_ = key.down; return true;
    case vk::kMenu:
    case vk::kLeftMenu: leftAlt_ = key.down; return true;
    case vk::kRightMenu: rightAlt_ = key.down; return true;
    case vk::kLeftWin: leftWin_ = key.down; return true;
    case vk::kRightWin: rightWin_ = key.down; return true;
    case vk::kCapital:
      if (key.down && !capsKeyDown_) capsLock_ = !capsLock_;
      capsKeyDown_ = key.down;
      return true;
    case vk::kNumLock:
    case vk::kScroll:
      return true;
    default:
      return false;
  }
}

KeyAction KeyFilter::Classify(unsigned virtualKey) const noexcept {
  if (virtualKey == vk::kEscape || IsNavigationKey(virtualKey)) return KeyAction::Reset;
  if (leftWin_ || rightWin_) return KeyAction::Reset;
  const ModifierState held = Modifiers();
  // Ctrl and Alt together is also how AltGr reaches the layout: a character made
  // that way is typing, anything else is a shortcut.
  if (held.control && held.alt) return KeyAction::Translate;
  if (held.control || held.alt) return KeyAction::Reset;
  return KeyAction::Translate;
}

KeyDecision KeyFilter::OnKey(const KeyEvent& key, bool inUse) noexcept {
  if (TrackModifier(key) || !key.down) return {};
  if (key.ours) return {inUse && key.virtualKey == vk::kExecute ? KeyAction::BusyEnd : KeyAction::Nothing, false};
  if (inUse) return {};
  KeyDecision decision{Classify(key.virtualKey), false};
  if (key.foreground != foreground_) {
    foreground_ = key.foreground;
    decision.resetFirst = decision.action != KeyAction::Reset;
  }
  return decision;
}

KeyAction KeyFilter::OnMouseButton(bool ours, bool inUse) const noexcept {
  return ours || inUse ? KeyAction::Nothing : KeyAction::Reset;
}

ModifierState KeyFilter::Modifiers() const noexcept {
  return {leftShift_ || rightShift_, leftControl_ || rightControl_, leftAlt_ || rightAlt_, capsLock_};
}

}  // namespace wordsnap::hook
