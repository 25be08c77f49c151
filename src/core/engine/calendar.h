#pragma once
// Plain calendar values and the day arithmetic of the proleptic Gregorian
// calendar, with no locale and no time zone: the caller hands in the local time.

#include <cstdint>

namespace wordsnap {

struct CivilDate {
  std::int32_t year = 1970;
  std::int32_t month = 1;  // 1..12
  std::int32_t day = 1;    // 1..31

  bool operator==(const CivilDate&) const = default;
};

// The local date and time of day, as the clock reads it.
struct LocalDateTime {
  CivilDate date;
  std::int32_t hour = 0;         // 0..23
  std::int32_t minute = 0;       // 0..59
  std::int32_t second = 0;       // 0..59
  std::int32_t millisecond = 0;  // 0..999

  bool operator==(const LocalDateTime&) const = default;
};

// Days since 1 January 1970 (negative before it). Out-of-range months and days
// roll over into the neighbouring months and years.
std::int64_t DaysFromCivil(const CivilDate& date);
CivilDate CivilFromDays(std::int64_t days);

// The date `offset` days after `date` (before it when negative), always a valid date.
CivilDate AddDays(const CivilDate& date, std::int64_t offset);

// 0 = Sunday .. 6 = Saturday.
int DayOfWeek(const CivilDate& date);

inline constexpr std::int32_t kMillisecondsPerDay = 24 * 60 * 60 * 1000;

// Milliseconds since midnight, 0 .. kMillisecondsPerDay - 1 for a valid time.
std::int32_t MillisecondOfDay(const LocalDateTime& time);

}  // namespace wordsnap
