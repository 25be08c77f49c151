#pragma once
// The virtual-key codes of the Windows keyboard that the plain logic names: the
// keys the output engine sends and the keys the hook's filter tells apart.

#include <cstdint>

namespace wordsnap::vk {

inline constexpr std::uint8_t kBack = 0x08;
inline constexpr std::uint8_t kShift = 0x10;
inline constexpr std::uint8_t kControl = 0x11;
inline constexpr std::uint8_t kMenu = 0x12;  // Alt
inline constexpr std::uint8_t kCapital = 0x14;
inline constexpr std::uint8_t kEscape = 0x1B;
inline constexpr std::uint8_t kPrior = 0x21;  // Page Up
inline constexpr std::uint8_t kNext = 0x22;   // Page Down
inline constexpr std::uint8_t kEnd = 0x23;
inline constexpr std::uint8_t kHome = 0x24;
inline constexpr std::uint8_t kLeft = 0x25;
inline constexpr std::uint8_t kUp = 0x26;
inline constexpr std::uint8_t kRight = 0x27;
inline constexpr std::uint8_t kDown = 0x28;
inline constexpr std::uint8_t kExecute = 0x2B;  // end of a replay; nothing else sends it
inline constexpr std::uint8_t kInsert = 0x2D;
inline constexpr std::uint8_t kDelete = 0x2E;
inline constexpr std::uint8_t kV = 0x56;
inline constexpr std::uint8_t kLeftWin = 0x5B;
inline constexpr std::uint8_t kRightWin = 0x5C;
inline constexpr std::uint8_t kNumpad0 = 0x60;
inline constexpr std::uint8_t kNumLock = 0x90;
inline constexpr std::uint8_t kScroll = 0x91;
inline constexpr std::uint8_t kLeftShift = 0xA0;
inline constexpr std::uint8_t kRightShift = 0xA1;
inline constexpr std::uint8_t kLeftControl = 0xA2;
inline constexpr std::uint8_t kRightControl = 0xA3;
inline constexpr std::uint8_t kLeftMenu = 0xA4;
inline constexpr std::uint8_t kRightMenu = 0xA5;

}  // namespace wordsnap::vk
