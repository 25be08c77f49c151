#pragma once
// Decides what a key or mouse button seen by the system-wide hook means for the
// typed buffer, and keeps the modifier and Caps Lock state the foreground
// application sees (the hook thread's own key state is not kept in step with it).
//
// Reported as a reset (the caret may have moved, or the typing is no word):
// Escape; the navigation keys (arrows, Home, End, Page Up/Down, Insert, Delete);
// any key pressed while Ctrl, Alt or a Windows key is held, unless Ctrl and Alt
// together (AltGr) make a character; keys that make no character (function keys
// and the like); the first key typed in another foreground window; a mouse click.
// Modifiers and lock keys alone report nothing. While the program plays an
// expansion nothing is reported, and its end-of-replay key (carrying its mark)
// ends that state.

#include <cstdint>

#include "core/engine/virtual_keys.h"

namespace wordsnap::hook {

enum class KeyAction {
  Nothing,
  Reset,
  Translate,  // turn the key into characters with the foreground layout; none made is a reset
  BusyEnd,    // the end-of-replay key: leave the in-use state and tell the main window
};

struct KeyEvent {
  unsigned virtualKey = 0;
  bool down = false;
  bool ours = false;              // injected by the program itself (carries its mark)
  std::uintptr_t foreground = 0;  // the foreground window when the key arrived
};

struct KeyDecision {
  KeyAction action = KeyAction::Nothing;
  bool resetFirst = false;  // the foreground window changed since the last typed key
};

// What the foreground application's layout needs to turn a key into characters.
struct ModifierState {
  bool shift = false;
  bool control = false;
  bool alt = false;
  bool capsLock = false;  // the toggle, not the key
};

class KeyFilter {
 public:
  KeyFilter(bool capsLockOn, std::uintptr_t foreground) noexcept;

  // inUse: the program is playing an expansion.
  KeyDecision OnKey(const KeyEvent& key, bool inUse) noexcept;
  KeyAction OnMouseButton(bool ours, bool inUse) const noexcept;

  ModifierState Modifiers() const noexcept;

 private:
  // Follows a modifier or lock key; false for any other key.
  bool TrackModifier(const KeyEvent& key) noexcept;
  KeyAction Classify(unsigned virtualKey) const noexcept;

  bool leftShift_ = false, rightShift_ = false;
  bool leftControl_ = false, rightControl_ = false;
  bool leftAlt_ = false, rightAlt_ = false;
  bool leftWin_ = false, rightWin_ = false;
  bool capsKeyDown_ = false;  // a held key repeats its key-downs, but toggles once
  bool capsLock_ = false;
  std::uintptr_t foreground_ = 0;
};

}  // namespace wordsnap::hook
