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

namespace wordsnap::hook {

// Virtual-key codes of the Windows keyboard that the filter tells apart.
namespace vk {
inline constexpr unsigned kShift = 0x10;
inline constexpr unsigned kControl = 0x11;
inline constexpr unsigned kMenu = 0x12;  // Alt
inline constexpr unsigned kCapital = 0x14;
inline constexpr unsigned kEscape = 0x1B;
inline constexpr unsigned kPrior = 0x21;  // Page Up
inline constexpr unsigned kNext = 0x22;   // Page Down
inline constexpr unsigned kEnd = 0x23;
inline constexpr unsigned kHome = 0x24;
inline constexpr unsigned kLeft = 0x25;
inline constexpr unsigned kUp = 0x26;
inline constexpr unsigned kRight = 0x27;
inline constexpr unsigned kDown = 0x28;
inline constexpr unsigned kExecute = 0x2B;  // the program's end-of-replay key
inline constexpr unsigned kInsert = 0x2D;
inline constexpr unsigned kDelete = 0x2E;
inline constexpr unsigned kLeftWin = 0x5B;
inline constexpr unsigned kRightWin = 0x5C;
inline constexpr unsigned kNumLock = 0x90;
inline constexpr unsigned kScroll = 0x91;
inline constexpr unsigned kLeftShift = 0xA0;
inline constexpr unsigned kRightShift = 0xA1;
inline constexpr unsigned kLeftControl = 0xA2;
inline constexpr unsigned kRightControl = 0xA3;
inline constexpr unsigned kLeftMenu = 0xA4;
inline constexpr unsigned kRightMenu = 0xA5;
}  // namespace vk

enum class KeyAction {
  kNothing,
  kReset,
  kTranslate,  // turn the key into characters with the foreground layout; none made is a reset
  kBusyEnd,    // the end-of-replay key: leave the in-use state and tell the main window
};

struct KeyEvent {
  unsigned virtualKey = 0;
  bool down = false;
  bool ours = false;              // injected by the program itself (carries its mark)
  std::uintptr_t foreground = 0;  // the foreground window when the key arrived
};

struct KeyDecision {
  KeyAction action = KeyAction::kNothing;
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
