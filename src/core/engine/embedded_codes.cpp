#include "core/engine/embedded_codes.h"

#include <algorithm>

#include "core/engine/date_time_formats.h"

namespace wordsnap {
namespace {

constexpr std::string_view kTimeEndingNoZeros = "{N}>";
constexpr std::string_view kTimeEndingZeros = "{Y}>";

// Characters of a date code besides its name: "<", "{", Z, S, three digits, "}>".
constexpr std::size_t kDateCodeTail = 9;

char CharAt(std::string_view text, std::size_t at) { return at < text.size() ? text[at] : '\0'; }

// The day count: as many of the three places as read as a decimal number; 0 when
// the first is no digit. Places past the end of the text read as nothing.
int ReadDayCount(std::string_view text, std::size_t at) {
  int days = 0;
  for (std::size_t i = at; i < at + 3 && i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') break;
    days = days * 10 + (text[i] - '0');
  }
  return days;
}

// The date for the code whose name (of length nameLength) starts at `at` + 1,
// reading Z, S and DDD after the "{".
std::string DateForCode(std::string_view text, std::size_t at, int format, std::size_t nameLength,
                        const LocalDateTime& now) {
  const bool zeros = CharAt(text, at + nameLength + 2) == 'Y';
  const bool past = CharAt(text, at + nameLength + 3) == 'P';
  const int days = ReadDayCount(text, at + nameLength + 4);
  return FormatDate(format, zeros, past ? -days : days, now.date);
}

bool FitsAt(std::string_view text, std::size_t at, std::string_view name, std::string_view ending) {
  return text.size() > at && text[at] == '<' && text.substr(at + 1, name.size()) == name &&
         text.substr(at + 1 + name.size(), ending.size()) == ending;
}

}  // namespace

std::optional<ExpandedCode> ReadCodeAt(std::string_view text, std::size_t at, const LocalDateTime& now) {
  for (std::size_t f = 0; f < kDateFormats.size(); ++f) {
    const std::string_view name = kDateFormats[f];
    if (FitsAt(text, at, name, "{")) {
      return ExpandedCode{DateForCode(text, at, static_cast<int>(f + 1), name.size(), now),
                          name.size() + kDateCodeTail};
    }
  }
  for (const auto& [ending, zeros] : {std::pair{kTimeEndingNoZeros, false}, std::pair{kTimeEndingZeros, true}}) {
    for (std::size_t f = 0; f < kTimeFormats.size(); ++f) {
      const std::string_view name = kTimeFormats[f];
      if (FitsAt(text, at, name, ending)) {
        return ExpandedCode{FormatTime(static_cast<int>(f + 1), zeros, now), 1 + name.size() + ending.size()};
      }
    }
  }
  return std::nullopt;
}

std::string ExpandCodesForClipboard(std::string text, const LocalDateTime& now) {
  // One pass from left to right, as the keyboard way reads the codes: each code is
  // replaced where it starts and reading goes on after it. No expanded text holds a
  // "<", so nothing it puts in can start a code.
  std::string expanded;
  expanded.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t next = text.find('<', i);
    if (next == std::string::npos) {
      expanded.append(text, i, std::string::npos);
      break;
    }
    expanded.append(text, i, next - i);
    if (const std::optional<ExpandedCode> code = ReadCodeAt(text, next, now)) {
      expanded += code->text;
      i = next + std::min(code->length, text.size() - next);
    } else {
      expanded += '<';
      i = next + 1;
    }
  }
  return expanded;
}

}  // namespace wordsnap
