#pragma once
// The text export format: per Wordsnap, in data-file order, a name line (the
// marker, then the name, then CR LF) followed by the replacement text exactly as
// stored, with CR LF between blocks and nothing after the last one.

#include <cstddef>
#include <string_view>

namespace wordsnap {

inline constexpr std::string_view kItemNameMarker = "<ITEM NAME>";
inline constexpr std::string_view kLineBreak = "\r\n";

}  // namespace wordsnap
