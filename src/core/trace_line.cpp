#include "core/trace_line.h"

namespace wordsnap {

std::string FormatTraceLine(std::int32_t wParam, std::int32_t lParam) {
  std::string line = "WParam = " + std::to_string(wParam) + "  LParam = " + std::to_string(lParam) + " ";
  line += static_cast<char>(static_cast<std::uint32_t>(lParam) & 0xFF);
  line += "\r\n";
  return line;
}

}  // namespace wordsnap
