#pragma once
// The virtual-key codes the output engine sends, as plain numbers.

#include <cstdint>

namespace wordsnap::vk {

inline constexpr std::uint8_t kBack = 0x08;
inline constexpr std::uint8_t kShift = 0x10;
inline constexpr std::uint8_t kControl = 0x11;
inline constexpr std::uint8_t kMenu = 0x12;  // Alt
inline constexpr std::uint8_t kCapital = 0x14;
inline constexpr std::uint8_t kExecute = 0x2B;  // end of a replay; nothing else sends it
inline constexpr std::uint8_t kV = 0x56;
inline constexpr std::uint8_t kNumpad0 = 0x60;

}  // namespace wordsnap::vk
