#pragma once
// What passes between the program and its keyboard hook library: the messages the
// library posts to the main window, and the marks that tell the program's own
// simulated keys from the user's.

#include <cstdint>

namespace wordsnap {

// Keystroke report: wParam one of the three below; lParam's low byte the ANSI
// character typed, its upper 24 bits the report's number (counting up, wrapping),
// which the program hands back once it has read the report.
inline constexpr unsigned kKeystrokeMessage = 0x0401;
inline constexpr std::uintptr_t kKeystrokeCapsOff = 0;
inline constexpr std::uintptr_t kKeystrokeReset = 1;  // the caret may have moved: no character
inline constexpr std::uintptr_t kKeystrokeCapsOn = 2;
// Busy-end: the end-of-replay key went by.
inline constexpr unsigned kBusyEndMessage = 0x0405;

// The report number carried in a keystroke report's lParam.
constexpr std::uint32_t ReportNumberOf(std::intptr_t lParam) {
  return (static_cast<std::uint32_t>(lParam) >> 8) & 0xFFFFFF;
}
constexpr std::intptr_t KeystrokeLParam(std::uint32_t reportNumber, unsigned char character) {
  return static_cast<std::intptr_t>(static_cast<std::int32_t>((reportNumber << 8) | character));
}

// The program's own simulated keys carry this in dwExtraInfo; the hook never
// reports them as typing.
inline constexpr std::uintptr_t kInjectedKeyMark = 0x57534E50;
// The user's keys that the hook held back and sends again carry this: they are
// typing, but must not be held a second time.
inline constexpr std::uintptr_t kReleasedKeyMark = 0x57534E52;

}  // namespace wordsnap
