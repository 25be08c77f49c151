#include "core/hint/hint_display_text.h"

namespace wordsnap {

std::string HintDisplayLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    line += (c < 0x20 || c == 0x7F) ? ' ' : static_cast<char>(c);
  }
  return line;
}

}  // namespace wordsnap
