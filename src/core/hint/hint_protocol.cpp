#include "core/hint/hint_protocol.h"

#include <string>

#include "core/ascii_case.h"

namespace wordsnap {

bool IsHintWindowCaption(std::string_view caption) {
  return UpperAscii(caption).find(kHintCaptionMarker) != std::string::npos;
}

std::optional<int> ValidHintPosition(long long value) {
  if (value < kHintPositionFirst || value > kHintPositionLast) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace wordsnap
