#pragma once
// The current local date-time as the sync file stores it. An interface so that
// tests can set it and the lock rules that count minutes run without waiting.

namespace wordsnap {

class Clock {
 public:
  virtual ~Clock() = default;
  // The current local date-time, in days since 30 December 1899 (see sync_clock.h).
  virtual double Now() const = 0;
};

}  // namespace wordsnap
