#include "core/sync/heartbeat_age.h"

#include <cmath>

#include "core/engine/calendar.h"

namespace wordsnap {

bool HeartbeatSilentForAMinute(double elapsedDays) {
  if (!(elapsedDays >= 0)) return false;  // negative or not a number
  const double withinDay = elapsedDays - std::floor(elapsedDays);
  const double milliseconds = std::round(withinDay * kMillisecondsPerDay);
  // Hours and minutes both zero means under a minute.
  return milliseconds >= 60000.0;
}

}  // namespace wordsnap
