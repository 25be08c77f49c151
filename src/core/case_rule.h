#pragma once
// Case rules: how a Wordsnap's name must be typed and how its replacement's first
// character follows. A record holds one; the "Case Sensative" setting is the rule
// new Wordsnaps get.

#include <cstdint>

namespace wordsnap {

inline constexpr std::int16_t kCaseFirstCharacter = 1;  // the first character's case carries over
inline constexpr std::int16_t kCaseExact = 2;           // the name typed exactly as stored
inline constexpr std::int16_t kCaseNone = 3;            // case ignored

}  // namespace wordsnap
