#pragma once
// Local date-times as the sync file stores them: days since 30 December 1899, with
// the time of day as the fraction. The clock is an interface so that tests can set
// it and the lock rules that count minutes run without waiting.

#include "core/engine/calendar.h"

namespace wordsnap {

class Clock {
 public:
  virtual ~Clock() = default;
  // The current local date-time, in days since 30 December 1899.
  virtual double Now() const = 0;
};

inline constexpr double kOneMinute = 60000.0 / kMillisecondsPerDay;

// A calendar date and time of day as days since 30 December 1899. Before that day
// the days count down while the time of day still counts forward, as the format
// has it (6 a.m. on 29 December 1899 is -1.25).
double DaysSince1899(int year, int month, int day, int hour, int minute, int second, int millisecond);

}  // namespace wordsnap
