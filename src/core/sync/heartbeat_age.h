#pragma once
// When a lock holder's heartbeat counts as abandoned.

namespace wordsnap {

// Whether a heartbeat first seen elapsedDays ago (days, the fraction the time of
// day) has gone unrenewed for at least one minute. Only the time within a day
// counts: whole days drop out, so 1 day and 30 seconds reads as 30 seconds. The
// time is taken to the nearest millisecond. A negative time (the clock was set
// back) never counts as a minute.
bool HeartbeatSilentForAMinute(double elapsedDays);

}  // namespace wordsnap
