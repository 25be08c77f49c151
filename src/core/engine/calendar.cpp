#include "core/engine/calendar.h"

namespace wordsnap {
namespace {

// Floor division, so that days before the epoch fall in the right era.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

}  // namespace

// Counts in 400-year eras of 146097 days, with the year starting on 1 March so
// that the leap day falls at the end of it.
std::int64_t DaysFromCivil(const CivilDate& date) {
  // Fold the month into 1..12 first, carrying whole years.
  const std::int64_t monthIndex = static_cast<std::int64_t>(date.month) - 1;
  std::int64_t year = date.year + FloorDiv(monthIndex, 12);
  const std::int64_t month = monthIndex - FloorDiv(monthIndex, 12) * 12 + 1;
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = FloorDiv(year, 400);
  const std::int64_t yearOfEra = year - era * 400;                               // 0..399
  const std::int64_t monthFromMarch = month > 2 ? month - 3 : month + 9;          // 0..11
  const std::int64_t firstDayOfMonth = (153 * monthFromMarch + 2) / 5;           // 0..336, days since 1 March
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + firstDayOfMonth;
  return era * 146097 + dayOfEra - 719468 + (static_cast<std::int64_t>(date.day) - 1);
}

CivilDate CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = FloorDiv(days, 146097);
  const std::int64_t dayOfEra = days - era * 146097;                                            // 0..146096
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // 0..399
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);  // 0..365
  const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;                                 // 0..11
  const std::int64_t day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;                       // 1..31
  const std::int64_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;      // 1..12
  const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  return CivilDate{static_cast<std::int32_t>(year), static_cast<std::int32_t>(month), static_cast<std::int32_t>(day)};
}

CivilDate AddDays(const CivilDate& date, std::int64_t offset) { return CivilFromDays(DaysFromCivil(date) + offset); }

int DayOfWeek(const CivilDate& date) {
  // 1 January 1970 was a Thursday.
  const std::int64_t days = DaysFromCivil(date);
  return static_cast<int>(days - FloorDiv(days + 4, 7) * 7 + 4);
}

std::int32_t MillisecondOfDay(const LocalDateTime& time) {
  return ((time.hour * 60 + time.minute) * 60 + time.second) * 1000 + time.millisecond;
}

}  // namespace wordsnap
