#pragma once
// The sync file and the local clock over Win32.
//
// Every access opens the sync file with no sharing at all, so that while one copy
// reads, decides and writes, no other process can open the file; file servers
// enforce share modes for every client, so this holds between machines too. An
// open that meets another process's open retries a few milliseconds apart, for a
// bounded while.

#include "core/seam/clock.h"
#include "core/sync/sync_clock.h"
#include "core/seam/sync_file_access.h"

namespace wordsnap {

class Win32SyncFileAccess final : public SyncFileAccess {
 public:
  // How long an open keeps retrying while other processes have the file open. An
  // attempt holds the file for well under a millisecond, so this is only reached
  // when something keeps it open.
  static constexpr unsigned kDefaultBusyWaitMilliseconds = 2000;

  explicit Win32SyncFileAccess(unsigned busyWaitMilliseconds = kDefaultBusyWaitMilliseconds);

  SyncOpen OpenExclusive(const std::string& path) override;

 private:
  unsigned RetryPause();

  unsigned busyWaitMilliseconds_;
  unsigned jitter_;
};

// Local time from the system clock.
class Win32LocalClock final : public Clock {
 public:
  double Now() const override;
};

}  // namespace wordsnap
