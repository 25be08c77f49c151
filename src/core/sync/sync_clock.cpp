#include "core/sync/sync_clock.h"

#include "core/engine/calendar.h"

namespace wordsnap {

double DaysSince1899(int year, int month, int day, int hour, int minute, int second, int millisecond) {
  const std::int64_t days = DaysFromCivil({year, month, day}) - DaysFromCivil({1899, 12, 30});
  const double time =
      ((static_cast<double>(hour) * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond;
  const double fraction = time / kMillisecondsPerDay;
  const double whole = static_cast<double>(days);
  return days < 0 ? whole - fraction : whole + fraction;
}

}  // namespace wordsnap
