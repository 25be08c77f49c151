#include "core/engine/date_time_formats.h"

#include <algorithm>

#include "core/ascii_case.h"

namespace wordsnap {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

constexpr std::array<std::string_view, 7> kDayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday",
};

constexpr int kFirstWeekdayFormat = 48;
constexpr int kFirst12HourFormat = 12;

std::string Number(std::int64_t value, bool zeros, int width) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (zeros && digits.size() < static_cast<std::size_t>(width)) {
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  }
  return value < 0 ? "-" + digits : digits;
}

bool StartsWith(std::string_view text, std::size_t at, std::string_view piece) {
  return text.substr(at, piece.size()) == piece;
}

}  // namespace

std::string FormatDate(int format, bool zeros, std::int64_t dayOffset, const CivilDate& today) {
  if (format < 1 || format > static_cast<int>(kDateFormats.size())) return {};
  const CivilDate date = AddDays(today, dayOffset);

  if (format >= kFirstWeekdayFormat) {
    const std::string_view name = kDayNames[static_cast<std::size_t>(DayOfWeek(date))];
    switch (format - kFirstWeekdayFormat) {
      case 0: return std::string(name.substr(0, 3));
      case 1: return UpperAscii(name.substr(0, 3));
      case 2: return std::string(name);
      default: return UpperAscii(name);
    }
  }

  const std::string_view month = kMonthNames[static_cast<std::size_t>(date.month - 1)];
  // The format name spells its pieces; longer pieces are tried before the
  // shorter ones they begin with, and anything else is a separator.
  const std::string_view spelling = kDateFormats[static_cast<std::size_t>(format - 1)];
  std::string text;
  for (std::size_t at = 0; at < spelling.size();) {
    if (StartsWith(spelling, at, "Mmmmm")) {
      text += month;
      at += 5;
    } else if (StartsWith(spelling, at, "YYYY")) {
      text += Number(date.year, zeros, 4);
      at += 4;
    } else if (StartsWith(spelling, at, "MMM")) {
      text += UpperAscii(month.substr(0, 3));
      at += 3;
    } else if (StartsWith(spelling, at, "Mmm")) {
      text += month.substr(0, 3);
      at += 3;
    } else if (StartsWith(spelling, at, "MM")) {
      text += Number(date.month, zeros, 2);
      at += 2;
    } else if (StartsWith(spelling, at, "DD")) {
      text += Number(date.day, zeros, 2);
      at += 2;
    } else if (StartsWith(spelling, at, "YY")) {
      // Always the last two digits, whatever the zeros flag says.
      text += Number(((date.year % 100) + 100) % 100, true, 2);
      at += 2;
    } else {
      text += spelling[at];
      at += 1;
    }
  }
  return text;
}

std::string FormatTime(int format, bool zeros, const LocalDateTime& now) {
  if (format < 1 || format > static_cast<int>(kTimeFormats.size())) return {};
  const bool twelveHour = format >= kFirst12HourFormat;
  int hours = now.hour;
  if (twelveHour) {
    if (hours == 0) {
      hours = 12;
    } else if (hours > 12) {
      hours -= 12;
    }
  }
  const bool afternoon = now.hour >= 12;

  const std::string_view spelling = kTimeFormats[static_cast<std::size_t>(format - 1)];
  std::string text;
  for (std::size_t at = 0; at < spelling.size();) {
    if (StartsWith(spelling, at, "hh")) {
      text += Number(hours, zeros, 2);
      at += 2;
    } else if (StartsWith(spelling, at, "mm")) {
      text += Number(now.minute, true, 2);
      at += 2;
    } else if (StartsWith(spelling, at, "ss")) {
      text += Number(now.second, true, 2);
      at += 2;
    } else if (StartsWith(spelling, at, "am")) {
      text += afternoon ? "pm" : "am";
      at += 2;
    } else if (StartsWith(spelling, at, "AM")) {
      text += afternoon ? "PM" : "AM";
      at += 2;
    } else if (StartsWith(spelling, at, "a")) {
      text += afternoon ? 'p' : 'a';
      at += 1;
    } else {
      text += spelling[at];
      at += 1;
    }
  }
  return text;
}

}  // namespace wordsnap
