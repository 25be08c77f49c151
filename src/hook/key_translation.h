#pragma once
// Turns a key into the ANSI characters the foreground application makes of it,
// with the application's keyboard layout, without touching the keyboard state
// that the application's own translation relies on (dead keys, AltGr).

#include <windows.h>

#include <string>

#include "core/hook/dead_key_composer.h"
#include "core/hook/key_filter.h"
#include "core/hook/key_watch.h"

namespace wordsnap::hook {

// Stands for a character the ANSI code page cannot hold. It is never a name
// character, and unlike the bytes from 0x80 up it is no printable character in
// any ANSI code page.
constexpr char kUnrepresentableCharacter = 0x7F;

// The keyboard layout of the thread that owns the window (the hook thread's own
// when there is no window).
HKL LayoutOfWindow(HWND window) noexcept;

class KeyTranslator {
 public:
  KeyTranslator() noexcept;

  TypedText Translate(const KBDLLHOOKSTRUCT& key, const ModifierState& modifiers, HKL layout);
  // A waiting dead key is forgotten (the caret moved).
  void Clear() noexcept { composer_.Clear(); }

 private:
  DeadKeyComposer composer_;
};

}  // namespace wordsnap::hook
