#include "core/hint/hint_protocol.h"

#include <string>

namespace wordsnap {

bool IsHintWindowCaption(std::string_view caption) {
  std::string upper(caption);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper.find(kHintCaptionMarker) != std::string::npos;
}

std::optional<int> ValidHintPosition(long long value) {
  if (value < kHintPositionFirst || value > kHintPositionLast) return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace wordsnap
