#pragma once
// The contract between the keyboard hook library and the program, as both sides
// build against it: the messages the library posts to the main window and the
// marks that tell the program's own simulated keys from the user's typing.

#include <cstdint>

namespace wordsnap {

// Keystroke message: wParam is one of the three below, lParam's low byte the
// ANSI character typed.
inline constexpr unsigned kWordsnapKeystrokeMessage = 0x0401;
inline constexpr std::uintptr_t kWordsnapKeystrokeCapsOff = 0;
inline constexpr std::uintptr_t kWordsnapKeystrokeReset = 1;  // the caret may have moved: no character
inline constexpr std::uintptr_t kWordsnapKeystrokeCapsOn = 2;
// Busy-end message: the end-of-replay key went by.
inline constexpr unsigned kWordsnapBusyEndMessage = 0x0405;

// The program's own simulated keys carry this in dwExtraInfo (keybd_event's last
// argument); the hook never reports them as typing.
inline constexpr std::uintptr_t kWordsnapInjectedMark = 0x57534E50;
// The user's keys that the hook held back during a replay and sends again carry
// this: they are typing, but must not be held a second time.
inline constexpr std::uintptr_t kWordsnapReleasedMark = 0x57534E52;

}  // namespace wordsnap
