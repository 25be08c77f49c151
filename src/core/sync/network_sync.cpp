#include "core/sync/network_sync.h"

#include "core/sync/heartbeat_age.h"
#include "core/sync/sync_messages.h"

namespace wordsnap {
namespace {

// The sync file open for one operation, with what it held when it could be read.
struct OpenSyncFile {
  SyncOpen Open;
  std::optional<SyncRecord> InFile;

  bool Fresh() const { return Open.status == SyncOpenStatus::Created || Open.status == SyncOpenStatus::Missing; }
  bool Busy() const { return Open.status == SyncOpenStatus::Busy; }

  bool Write(const SyncRecord& record) { return Open.file && Open.file->WriteRecord(EncodeSyncRecord(record)); }
};

// Opens the sync file and reads it; a readable file overwrites the sync record.
OpenSyncFile OpenAndRead(SyncState& state, SyncFileAccess& files) {
  OpenSyncFile sync{files.OpenExclusive(state.syncPath), std::nullopt};
  if (sync.Open.status == SyncOpenStatus::Opened && sync.Open.file) {
    if (const std::optional<SyncBytes> bytes = sync.Open.file->ReadRecord()) {
      sync.InFile = DecodeSyncRecord(*bytes);
      if (sync.InFile) state.record = *sync.InFile;
    }
  }
  return sync;
}

// Reading a sync file that did not exist: its record starts with the first count
// and the lock free. Returns whether the file must now be given that record.
bool StartFreshRecord(SyncState& state, const OpenSyncFile& sync) {
  if (!sync.Fresh()) return false;
  state.record.ChangeCount = kFirstChangeCount;
  state.record.LockState = kLockFree;
  return true;
}

// Counts wrap around as 32-bit values do; a damaged count must not overflow.
std::int32_t AddToCount(std::int32_t count, std::int32_t delta) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(count) + static_cast<std::uint32_t>(delta));
}

bool IsOwnLock(const SyncState& state, const SyncRecord& record) {
  return record.Held() && SameLockTime(record.LockTime, state.ownLockTime);
}

LockAttempt Refuse(LockDecision decision, StoreMessage message) { return {decision, std::move(message), false}; }

// A sync file that exists but does not hold a whole record (a torn or emptied
// write, a read error) says nothing of its holder: another copy may hold the lock.
// It counts as held by a copy unknown until it has stayed so for the abandoned-lock
// minute; then it is written whole again, lock free and count raised, and the data
// file reloaded before any change, since the unknown copy may have changed it.
LockAttempt DecideOnUnreadableSyncFile(SyncState& state, OpenSyncFile& sync, double now) {
  if (!state.unreadableSeen) {
    state.unreadableSeen = true;
    state.unreadableSeenAt = now;
    return Refuse(LockDecision::InUse, FileInUseMessage());
  }
  if (!HeartbeatSilentForAMinute(now - state.unreadableSeenAt)) {
    if (now < state.unreadableSeenAt) state.unreadableSeenAt = now;  // the clock went back: count from now
    return Refuse(LockDecision::InUse, FileInUseMessage());
  }
  const SyncRecord whole{AddToCount(state.record.ChangeCount, 1), kLockFree, now};
  if (!sync.Write(whole)) return Refuse(LockDecision::InUse, FileInUseMessage());
  state.unreadableSeen = false;
  state.record = whole;
  state.rememberedChangeCount = whole.ChangeCount;
  LockAttempt attempt = Refuse(LockDecision::Changed, FileChangedMessage());
  attempt.tookOverAbandonedLock = true;
  return attempt;
}

}  // namespace

void ReadSyncFile(SyncState& state, SyncFileAccess& files) {
  OpenSyncFile sync = OpenAndRead(state, files);
  if (StartFreshRecord(state, sync)) sync.Write(state.record);
}

void AttachSyncFile(SyncState& state, SyncFileAccess& files, const std::string& dataFilePath) {
  state.syncPath = SyncFileNameFor(dataFilePath);
  ReadSyncFile(state, files);
  state.rememberedChangeCount = state.record.ChangeCount;
}

LockAttempt FileInUse(SyncState& state, SyncFileAccess& files, const Clock& clock, bool networkMode) {
  if (!networkMode) return {};

  OpenSyncFile sync = OpenAndRead(state, files);
  // Another process has the sync file open right now: it is in use, and deciding
  // on what this copy last saw could let two copies take the lock.
  if (sync.Busy()) return Refuse(LockDecision::InUse, FileInUseMessage());
  const double now = clock.Now();
  if (sync.Open.status == SyncOpenStatus::Opened && !sync.InFile) return DecideOnUnreadableSyncFile(state, sync, now);
  state.unreadableSeen = false;
  const bool fresh = StartFreshRecord(state, sync);

  bool abandoned = false;
  if (state.record.Held()) {
    if (!state.lockTimeSeen || !SameLockTime(state.record.LockTime, state.lastSeenLockTime)) {
      // A heartbeat not seen before: the holder is alive.
      state.lockTimeSeen = true;
      state.lastSeenLockTime = state.record.LockTime;
      state.lastSeenAt = now;
      return Refuse(LockDecision::InUse, FileInUseMessage());
    }
    if (!HeartbeatSilentForAMinute(now - state.lastSeenAt)) {
      if (now < state.lastSeenAt) state.lastSeenAt = now;  // the clock went back: count from now
      return Refuse(LockDecision::InUse, FileInUseMessage());
    }
    abandoned = true;
  }

  // Checked after an abandoned lock too: a copy that took the lock over on a tree
  // older than the file could write over another copy's change.
  if (state.record.ChangeCount != state.rememberedChangeCount) {
    state.rememberedChangeCount = state.record.ChangeCount;
    if (fresh) sync.Write(state.record);
    return Refuse(LockDecision::Changed, FileChangedMessage());
  }

  state.record.LockState = kLockHeld;
  state.record.LockTime = now;
  sync.Write(state.record);
  state.holdingLock = true;
  state.ownLockTime = now;
  state.changeCountAtLock = state.record.ChangeCount;
  return {LockDecision::Granted, std::nullopt, abandoned};
}

SyncWrite ReleaseSyncFile(SyncState& state, SyncFileAccess& files, bool networkMode, std::int32_t delta) {
  if (!networkMode) return SyncWrite::NotNetworked;
  const bool wasHolding = state.holdingLock;
  state.holdingLock = false;

  OpenSyncFile sync = OpenAndRead(state, files);
  SyncRecord record = state.record;  // the file's when it could be read
  const bool countMoved = wasHolding && record.ChangeCount != state.changeCountAtLock;
  const bool anotherCopysLock = sync.InFile && record.Held() && !(wasHolding && IsOwnLock(state, record));

  record.ChangeCount = AddToCount(record.ChangeCount, delta);
  if (!anotherCopysLock) record.LockState = kLockFree;
  state.record = record;
  // When another copy changed the file under this one, this copy's tree lacks that
  // change: remember a count the file does not hold, so the next check reloads.
  state.rememberedChangeCount = countMoved ? AddToCount(state.changeCountAtLock, delta) : record.ChangeCount;
  return sync.Write(record) ? SyncWrite::Written : SyncWrite::Skipped;
}

Heartbeat NetTimerTick(SyncState& state, SyncFileAccess& files, const Clock& clock) {
  if (!state.holdingLock) return Heartbeat::NotHolding;

  OpenSyncFile sync = OpenAndRead(state, files);
  if (sync.InFile && !IsOwnLock(state, *sync.InFile)) return Heartbeat::LockLost;

  const double now = clock.Now();
  state.record.LockState = kLockHeld;
  state.record.LockTime = now;
  if (!sync.Write(state.record)) return Heartbeat::Skipped;
  state.ownLockTime = now;
  return Heartbeat::Renewed;
}

bool DataFileChangedBeforeExpansion(SyncState& state, SyncFileAccess& files, bool networkMode) {
  if (!networkMode) return false;
  ReadSyncFile(state, files);
  if (state.record.ChangeCount == state.rememberedChangeCount) return false;
  state.rememberedChangeCount = state.record.ChangeCount;
  return true;
}

}  // namespace wordsnap
