#include "core/sync/network_sync.h"

#include "core/sync/heartbeat_age.h"
#include "core/sync/sync_messages.h"

namespace wordsnap {
namespace {

// The sync file open for one operation, with what it held when it could be read.
struct OpenSyncFile {
  SyncOpen Open;
  std::optional<SyncRecord> InFile;

  bool Fresh() const { return Open.Status == SyncOpenStatus::Created || Open.Status == SyncOpenStatus::Missing; }
  bool Busy() const { return Open.Status == SyncOpenStatus::Busy; }

  bool Write(const SyncRecord& record) { return Open.File && Open.File->WriteRecord(EncodeSyncRecord(record)); }
};

// Opens the sync file and reads it; a readable file overwrites the sync record.
OpenSyncFile OpenAndRead(SyncState& state, SyncFileAccess& files) {
  OpenSyncFile sync{files.OpenExclusive(state.SyncPath), std::nullopt};
  if (sync.Open.Status == SyncOpenStatus::Opened && sync.Open.File) {
    if (const std::optional<SyncBytes> bytes = sync.Open.File->ReadRecord()) {
      sync.InFile = DecodeSyncRecord(*bytes);
      if (sync.InFile) state.Record = *sync.InFile;
    }
  }
  return sync;
}

// Reading a sync file that did not exist: its record starts with the first count
// and the lock free. Returns whether the file must now be given that record.
bool StartFreshRecord(SyncState& state, const OpenSyncFile& sync) {
  if (!sync.Fresh()) return false;
  state.Record.ChangeCount = kFirstChangeCount;
  state.Record.LockState = kLockFree;
  return true;
}

// Counts wrap around as 32-bit values do; a damaged count must not overflow.
std::int32_t AddToCount(std::int32_t count, std::int32_t delta) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(count) + static_cast<std::uint32_t>(delta));
}

bool IsOwnLock(const SyncState& state, const SyncRecord& record) {
  return record.Held() && SameLockTime(record.LockTime, state.OwnLockTime);
}

LockAttempt Refuse(LockDecision decision, StoreMessage message) { return {decision, std::move(message), false}; }

}  // namespace

void ReadSyncFile(SyncState& state, SyncFileAccess& files) {
  OpenSyncFile sync = OpenAndRead(state, files);
  if (StartFreshRecord(state, sync)) sync.Write(state.Record);
}

void AttachSyncFile(SyncState& state, SyncFileAccess& files, const std::string& dataFilePath) {
  state.SyncPath = SyncFileNameFor(dataFilePath);
  ReadSyncFile(state, files);
  state.RememberedChangeCount = state.Record.ChangeCount;
}

LockAttempt FileInUse(SyncState& state, SyncFileAccess& files, const Clock& clock, bool networkMode) {
  if (!networkMode) return {};

  OpenSyncFile sync = OpenAndRead(state, files);
  // Another process has the sync file open right now: it is in use, and deciding
  // on what this copy last saw could let two copies take the lock.
  if (sync.Busy()) return Refuse(LockDecision::InUse, FileInUseMessage());
  const bool fresh = StartFreshRecord(state, sync);
  const double now = clock.Now();

  bool abandoned = false;
  if (state.Record.Held()) {
    if (!state.LockTimeSeen || !SameLockTime(state.Record.LockTime, state.LastSeenLockTime)) {
      // A heartbeat not seen before: the holder is alive.
      state.LockTimeSeen = true;
      state.LastSeenLockTime = state.Record.LockTime;
      state.LastSeenAt = now;
      return Refuse(LockDecision::InUse, FileInUseMessage());
    }
    if (!HeartbeatSilentForAMinute(now - state.LastSeenAt)) {
      if (now < state.LastSeenAt) state.LastSeenAt = now;  // the clock went back: count from now
      return Refuse(LockDecision::InUse, FileInUseMessage());
    }
    abandoned = true;
  }

  // Checked after an abandoned lock too: a copy that took the lock over on a tree
  // older than the file could write over another copy's change.
  if (state.Record.ChangeCount != state.RememberedChangeCount) {
    state.RememberedChangeCount = state.Record.ChangeCount;
    if (fresh) sync.Write(state.Record);
    return Refuse(LockDecision::Changed, FileChangedMessage());
  }

  state.Record.LockState = kLockHeld;
  state.Record.LockTime = now;
  sync.Write(state.Record);
  state.HoldingLock = true;
  state.OwnLockTime = now;
  state.ChangeCountAtLock = state.Record.ChangeCount;
  return {LockDecision::Granted, std::nullopt, abandoned};
}

SyncWrite ReleaseSyncFile(SyncState& state, SyncFileAccess& files, bool networkMode, std::int32_t delta) {
  if (!networkMode) return SyncWrite::NotNetworked;
  const bool wasHolding = state.HoldingLock;
  state.HoldingLock = false;

  OpenSyncFile sync = OpenAndRead(state, files);
  SyncRecord record = state.Record;  // the file's when it could be read
  const bool countMoved = wasHolding && record.ChangeCount != state.ChangeCountAtLock;
  const bool anotherCopysLock = sync.InFile && record.Held() && !(wasHolding && IsOwnLock(state, record));

  record.ChangeCount = AddToCount(record.ChangeCount, delta);
  if (!anotherCopysLock) record.LockState = kLockFree;
  state.Record = record;
  // When another copy changed the file under this one, this copy's tree lacks that
  // change: remember a count the file does not hold, so the next check reloads.
  state.RememberedChangeCount = countMoved ? AddToCount(state.ChangeCountAtLock, delta) : record.ChangeCount;
  return sync.Write(record) ? SyncWrite::Written : SyncWrite::Skipped;
}

Heartbeat NetTimerTick(SyncState& state, SyncFileAccess& files, const Clock& clock) {
  if (!state.HoldingLock) return Heartbeat::NotHolding;

  OpenSyncFile sync = OpenAndRead(state, files);
  if (sync.InFile && !IsOwnLock(state, *sync.InFile)) return Heartbeat::LockLost;

  const double now = clock.Now();
  state.Record.LockState = kLockHeld;
  state.Record.LockTime = now;
  if (!sync.Write(state.Record)) return Heartbeat::Skipped;
  state.OwnLockTime = now;
  return Heartbeat::Renewed;
}

bool DataFileChangedBeforeExpansion(SyncState& state, SyncFileAccess& files, bool networkMode) {
  if (!networkMode) return false;
  ReadSyncFile(state, files);
  if (state.Record.ChangeCount == state.RememberedChangeCount) return false;
  state.RememberedChangeCount = state.Record.ChangeCount;
  return true;
}

}  // namespace wordsnap
