#pragma once
// Removing the spaces around a typed text, as every input box of the program does.

#include <string>
#include <string_view>

namespace wordsnap {

// The text without its leading and trailing spaces; other blanks (tabs, line breaks) stay.
std::string TrimBlanks(std::string_view text);

}  // namespace wordsnap
