#include "core/sync/sync_clock.h"

namespace wordsnap {
namespace {

// Days from 1 March of year 0 of the proleptic Gregorian calendar to the given date.
long long DayNumber(long long year, int month, int day) {
  if (month <= 2) {
    year -= 1;
    month += 12;
  }
  const long long era = year >= 0 ? year / 400 : (year - 399) / 400;
  const long long yearOfEra = year - era * 400;
  const long long dayOfYear = (153LL * (month - 3) + 2) / 5 + day - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra;
}

}  // namespace

double DaysSince1899(int year, int month, int day, int hour, int minute, int second, int millisecond) {
  const long long days = DayNumber(year, month, day) - DayNumber(1899, 12, 30);
  const double time =
      ((static_cast<double>(hour) * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond;
  const double fraction = time / kMillisecondsPerDay;
  const double whole = static_cast<double>(days);
  return days < 0 ? whole - fraction : whole + fraction;
}

}  // namespace wordsnap
