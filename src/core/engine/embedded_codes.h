#pragma once
// Date and time codes embedded in replacement text, and their expansion.
//
// A date code is "<", a date format name, "{", Z, S, DDD, "}>": Z "Y" for
// leading zeros, S "P" for a date in the past, DDD the number of days from
// today. A time code is "<", a time format name, then "{N}>" or "{Y}>" (hours
// without or with a leading zero). Names compare case-sensitively.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/engine/calendar.h"

namespace wordsnap {

struct ExpandedCode {
  std::string text;    // what the code stands for
  std::size_t length;  // characters of the replacement text it covers; may reach past its end
};

// The code starting at `at` as the keyboard way reads it: the first date format
// that fits, else the first time format with "{N}>", else with "{Y}>". A date
// code always covers its name plus 9 characters, the closing "}>" unread.
// Nothing when no known code starts there.
std::optional<ExpandedCode> ReadCodeAt(std::string_view text, std::size_t at, const LocalDateTime& now);

// Replaces every code in the text, as the clipboard way does, reading the codes
// from left to right as the keyboard way does; time linear in the text's length.
std::string ExpandCodesForClipboard(std::string text, const LocalDateTime& now);

}  // namespace wordsnap
