#pragma once
// Upper-casing for names, switches and captions: only the ASCII letters a to z
// change, whatever the code page.

#include <string>
#include <string_view>

namespace wordsnap {

char UpperAscii(char c);
std::string UpperAscii(std::string_view text);

}  // namespace wordsnap
