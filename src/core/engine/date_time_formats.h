#pragma once
// The date and time formats a replacement text can name in its codes, in table
// order (the order matters: codes are tried first to last), and the texts they
// give. Format numbers are 1-based, as the picker counts them.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/engine/calendar.h"

namespace wordsnap {

inline constexpr std::array<std::string_view, 51> kDateFormats = {
    "MM/DD/YY",      "MM-DD-YY",       "MM.DD.YY",      "MM/DD/YYYY",    "MM-DD-YYYY",    "MM.DD.YYYY",
    "DD/MM/YY",      "DD-MM-YY",       "DD.MM.YY",      "DD/MM/YYYY",    "DD-MM-YYYY",    "DD.MM.YYYY",
    "YY/MM/DD",      "YY-MM-DD",       "YY.MM.DD",      "YYYY/MM/DD",    "YYYY-MM-DD",    "YYYY.MM.DD",
    "MMM YYYY",      "Mmm YYYY",       "DD MMM YY",     "DD Mmm YY",     "DD MMM YYYY",   "DD Mmm YYYY",
    "DD Mmmmm YY",   "DD Mmmmm YYYY",  "Mmm DD YY",     "Mmm DD, YY",    "Mmm DD YYYY",   "Mmm DD, YYYY",
    "Mmmmm DD YY",   "Mmmmm DD, YY",   "Mmmmm DD YYYY", "Mmmmm DD, YYYY", "MMDDYY",       "MMDDYYYY",
    "DDMMYY",        "DDMMYYYY",       "YYMMDD",        "YYYYMMDD",      "DD",            "MM",
    "Mmm",           "MMM",            "Mmmmm",         "YY",            "YYYY",          "Day of Week 1",
    "Day of Week 2", "Day of Week 3",  "Day of Week 4",
};

inline constexpr std::array<std::string_view, 26> kTimeFormats = {
    "hh:mm",       "hh.mm",       "hh,mm",       "hhmm",        "hh:mm:ss", "hh.mm.ss", "hh,mm,ss",
    "hhmmss",      "hh",          "mm",          "ss",          "hh:mm am", "hh.mm am", "hh,mm am",
    "hh:mm:ss am", "hh.mm.ss am", "hh,mm,ss am", "hh:mm AM",    "hh.mm AM", "hh,mm AM", "hh:mm:ss AM",
    "hh.mm.ss AM", "hh,mm,ss AM", "hh:mma",      "hh.mma",      "hh,mma",
};

// The date `dayOffset` days from `today` (negative: in the past) in date format
// 1..51. With `zeros`, day and month take two digits and the year four. An
// unknown format number gives an empty text.
std::string FormatDate(int format, bool zeros, std::int64_t dayOffset, const CivilDate& today);

// The time of day in time format 1..26. With `zeros`, hours take two digits;
// minutes and seconds always do. An unknown format number gives an empty text.
std::string FormatTime(int format, bool zeros, const LocalDateTime& now);

}  // namespace wordsnap
