#pragma once
// Sharing one data file among copies of the program: the advisory lock and the
// change counter kept in the sync file, and the heartbeat that shows a lock holder
// is alive. Nothing here shows anything or touches the tree; results say what the
// caller must do.
//
// A change command runs as: FileInUse; if it refuses, stop. Otherwise do the work,
// then ReleaseSyncFile with 1 if something was written or 0 if the user cancelled.

#include <cstdint>
#include <optional>
#include <string>

#include "core/store/store_messages.h"
#include "core/seam/clock.h"
#include "core/seam/sync_file_access.h"
#include "core/sync/sync_state.h"

namespace wordsnap {

// Reads the sync file into the sync record. A missing file is created with
// ChangeCount 1 and the lock free (LockTime as the record holds it). A file that
// cannot be opened or read leaves the record as it was.
void ReadSyncFile(SyncState& state, SyncFileAccess& files);

// Follows a data file: sets the sync file's path from it, reads the sync file and
// remembers its ChangeCount. For start-up and every switch of data file while
// network mode is on, and whenever network mode is turned on.
void AttachSyncFile(SyncState& state, SyncFileAccess& files, const std::string& dataFilePath);

enum class LockDecision {
  NotNetworked,  // network mode is off: go ahead, no lock is used
  Granted,       // this copy now holds the lock: start the heartbeat timer
  InUse,         // another copy holds the lock: show the message, do not run the command
  Changed,       // another copy changed the data file: show the message, then reload
                 // the tree, refill the list and reselect; do not run the command
};

struct LockAttempt {
  LockDecision decision = LockDecision::NotNetworked;
  std::optional<StoreMessage> message;  // show it when set
  bool tookOverAbandonedLock = false;   // granted over a lock whose holder stopped its heartbeat

  // True when the caller must not change the data file now.
  bool Refused() const { return decision == LockDecision::InUse || decision == LockDecision::Changed; }
};

// The lock attempt before every command that changes Wordsnaps. Reads, decides and
// writes within one exclusive open of the sync file. With network mode off it
// neither reads nor writes anything. A sync file that holds no whole record counts
// as held by another copy until it has stayed so for a minute.
LockAttempt FileInUse(SyncState& state, SyncFileAccess& files, const Clock& clock, bool networkMode);

enum class SyncWrite {
  NotNetworked,  // network mode is off: nothing was done
  Written,
  Skipped,       // the sync file could not be written
};

// Ends a command that FileInUse let run: raises ChangeCount by delta (1 after a
// change, 0 after a cancelled command), frees the lock and remembers the count.
// Stop the heartbeat timer. The raise is made on the count the file holds now, and
// a lock that another copy has taken over meanwhile is left to it; if the count
// moved under this copy, the remembered count keeps the difference so the next
// check reloads.
SyncWrite ReleaseSyncFile(SyncState& state, SyncFileAccess& files, bool networkMode, std::int32_t delta);

enum class Heartbeat {
  NotHolding,  // this copy holds no lock: nothing was done
  Renewed,
  Skipped,     // the sync file could not be written; the next tick tries again
  LockLost,    // another copy took the lock over; nothing was written
};

// The heartbeat timer's tick while this copy holds the lock: writes the current
// local time as LockTime, unless the lock in the file is no longer this copy's.
Heartbeat NetTimerTick(SyncState& state, SyncFileAccess& files, const Clock& clock);

// The output engine's check before it plays a replacement. True when another copy
// changed the data file: the new count is remembered, and the caller reloads the
// tree, refills the list, runs the matcher again and plays nothing on this pass.
// With network mode off it reads nothing and answers false.
bool DataFileChangedBeforeExpansion(SyncState& state, SyncFileAccess& files, bool networkMode);

}  // namespace wordsnap
