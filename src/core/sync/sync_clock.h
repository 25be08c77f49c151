#pragma once
// Local date-times as the sync file stores them: days since 30 December 1899, with
// the time of day as the fraction.

#include "core/seam/clock.h"

namespace wordsnap {

// A calendar date and time of day as days since 30 December 1899. Before that day
// the days count down while the time of day still counts forward, as the format
// has it (6 a.m. on 29 December 1899 is -1.25).
double DaysSince1899(int year, int month, int day, int hour, int minute, int second, int millisecond);

}  // namespace wordsnap
