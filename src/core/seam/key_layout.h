#pragma once
// The keyboard layout's answer to "which key types this character".

#include <cstdint>

namespace wordsnap {

// Shift-state bits of a key-scan answer's high byte.
inline constexpr int kScanShift = 1;
inline constexpr int kScanControl = 2;
inline constexpr int kScanAlt = 4;

class KeyLayout {
 public:
  virtual ~KeyLayout() = default;
  // As VkKeyScanA answers: low byte the virtual key, high byte the shift state;
  // -1 when the layout has no key for the character.
  virtual std::int16_t KeyScan(char c) = 0;
};

}  // namespace wordsnap
