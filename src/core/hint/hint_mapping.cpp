#include "core/hint/hint_mapping.h"

#include <algorithm>

namespace wordsnap {
namespace {

constexpr std::size_t kNameLengthOffset = 0;
constexpr std::size_t kNameOffset = 1;
constexpr std::size_t kPreviewLengthOffset = 11;
constexpr std::size_t kPreviewOffset = 12;

void WriteField(HintMappingView view, std::size_t lengthOffset, std::size_t textOffset,
                std::size_t maximum, std::string_view text) {
  const std::size_t length = std::min(text.size(), maximum);
  view[lengthOffset] = static_cast<unsigned char>(length);
  for (std::size_t i = 0; i < maximum; ++i) {
    view[textOffset + i] = i < length ? static_cast<unsigned char>(text[i]) : 0;
  }
}

std::string ReadField(ConstHintMappingView view, std::size_t lengthOffset, std::size_t textOffset,
                      std::size_t maximum) {
  const std::size_t length = std::min<std::size_t>(view[lengthOffset], maximum);
  std::string text(length, '\0');
  for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>(view[textOffset + i]);
  return text;
}

}  // namespace

void WriteHintMapping(HintMappingView view, std::string_view name, std::string_view preview) {
  WriteField(view, kNameLengthOffset, kNameOffset, kHintNameMax, name);
  WriteField(view, kPreviewLengthOffset, kPreviewOffset, kHintPreviewMax, preview);
}

HintContent ReadHintMapping(ConstHintMappingView view) {
  return {ReadField(view, kNameLengthOffset, kNameOffset, kHintNameMax),
          ReadField(view, kPreviewLengthOffset, kPreviewOffset, kHintPreviewMax)};
}

}  // namespace wordsnap
