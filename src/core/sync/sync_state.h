#pragma once
// What one copy of the program keeps in memory about the shared data file's sync
// file. One instance lives with the main window; tests make their own.

#include <cstdint>
#include <string>

#include "core/sync/sync_record.h"

namespace wordsnap {

struct SyncState {
  std::string SyncPath;                      // the sync file beside the current data file
  SyncRecord Record;                         // every read of the sync file overwrites it, every write stores it
  std::int32_t RememberedChangeCount = 0;    // the count under which this copy last loaded or wrote the data file
  bool LockTimeSeen = false;                 // a held lock's heartbeat has been seen since start-up
  double LastSeenLockTime = 0;               // the last heartbeat seen of another copy's lock
  double LastSeenAt = 0;                     // local time at which that heartbeat was first seen
  int MinuteCount = 0;                       // minutes counted towards the next automatic reload

  bool HoldingLock = false;                  // the heartbeat timer runs while this is set
  double OwnLockTime = 0;                    // the heartbeat this copy last wrote as lock holder
  std::int32_t ChangeCountAtLock = 0;        // the count read when this copy took the lock
};

}  // namespace wordsnap
