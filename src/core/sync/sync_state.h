#pragma once
// What one copy of the program keeps in memory about the shared data file's sync
// file. One instance lives with the main window; tests make their own.

#include <cstdint>
#include <string>

#include "core/sync/sync_record.h"

namespace wordsnap {

struct SyncState {
  std::string syncPath;                      // the sync file beside the current data file
  SyncRecord record;                         // every read of the sync file overwrites it, every write stores it
  std::int32_t rememberedChangeCount = 0;    // the count under which this copy last loaded or wrote the data file
  bool lockTimeSeen = false;                 // a held lock's heartbeat has been seen since start-up
  double lastSeenLockTime = 0;               // the last heartbeat seen of another copy's lock
  double lastSeenAt = 0;                     // local time at which that heartbeat was first seen
  bool unreadableSeen = false;               // the sync file was found torn or unreadable, and has stayed so
  double unreadableSeenAt = 0;               // local time at which it was first found so
  int minuteCount = 0;                       // minutes counted towards the next automatic reload

  bool holdingLock = false;                  // the heartbeat timer runs while this is set
  double ownLockTime = 0;                    // the heartbeat this copy last wrote as lock holder
  std::int32_t changeCountAtLock = 0;        // the count read when this copy took the lock
};

}  // namespace wordsnap
