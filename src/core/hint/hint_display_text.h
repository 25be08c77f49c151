#pragma once
// Turning mapping text into what the hint window draws.

#include <string>
#include <string_view>

namespace wordsnap {

// The text as a single line: a CR LF pair and every other control character
// become one space each, so line breaks of the replacement text read as gaps.
std::string HintDisplayLine(std::string_view text);

}  // namespace wordsnap
