#include "core/sync/network_sync.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

#include "core/sync/sync_messages.h"
#include "fake_sync_files.h"

namespace wordsnap {
namespace {

using testing::FakeClock;
using testing::FakeSyncFiles;

constexpr const char* kDataFile = "S:\\TEAM\\KEY.WSN";
constexpr const char* kSyncFile = "S:\\TEAM\\KEY.WSY";

// One copy of the program: its sync state, sharing the files and the clock.
struct Copy {
  SyncState State;
  FakeSyncFiles& Files;
  FakeClock& Time;

  Copy(FakeSyncFiles& files, FakeClock& clock) : Files(files), Time(clock) { AttachSyncFile(State, Files, kDataFile); }
  LockAttempt TryLock() { return FileInUse(State, Files, Time, true); }
  SyncWrite Release(std::int32_t delta) { return ReleaseSyncFile(State, Files, true, delta); }
  Heartbeat Beat() { return NetTimerTick(State, Files, Time); }
};

class NetworkSyncTest : public ::testing::Test {
 protected:
  FakeSyncFiles files;
  FakeClock clock;

  SyncRecord InFile() const {
    const std::optional<SyncRecord> record = files.RecordOf(kSyncFile);
    EXPECT_TRUE(record.has_value());
    return record.value_or(SyncRecord{});
  }
};

TEST_F(NetworkSyncTest, AttachCreatesAMissingSyncFileWithCountOneAndTheLockFree) {
  SyncState state;
  AttachSyncFile(state, files, kDataFile);
  EXPECT_EQ(state.syncPath, kSyncFile);
  EXPECT_EQ(files.Files.at(kSyncFile).size(), kSyncRecordSize);
  EXPECT_EQ(InFile().ChangeCount, 1);
  EXPECT_EQ(InFile().LockState, kLockFree);
  EXPECT_EQ(state.rememberedChangeCount, 1);
}

TEST_F(NetworkSyncTest, AttachRemembersTheCountOfAnExistingSyncFileWithoutWriting) {
  files.Put(kSyncFile, {41, kLockHeld, 45000.1});
  SyncState state;
  AttachSyncFile(state, files, kDataFile);
  EXPECT_EQ(state.rememberedChangeCount, 41);
  EXPECT_EQ(files.Writes, 0);
}

TEST_F(NetworkSyncTest, NetworkModeOffNeitherReadsNorWrites) {
  SyncState state;
  state.syncPath = kSyncFile;
  const LockAttempt attempt = FileInUse(state, files, clock, false);
  EXPECT_EQ(attempt.decision, LockDecision::NotNetworked);
  EXPECT_FALSE(attempt.Refused());
  EXPECT_FALSE(attempt.message.has_value());
  EXPECT_EQ(ReleaseSyncFile(state, files, false, 1), SyncWrite::NotNetworked);
  EXPECT_FALSE(DataFileChangedBeforeExpansion(state, files, false));
  EXPECT_EQ(files.Opens, 0);
  EXPECT_TRUE(files.Files.empty());
  EXPECT_FALSE(state.holdingLock);
}

TEST_F(NetworkSyncTest, FreeLockIsTakenWithinOneOpenOfTheSyncFile) {
  files.Put(kSyncFile, {5, kLockFree, 0});
  Copy copy(files, clock);
  files.Opens = 0;
  files.AccessOpens.clear();

  const LockAttempt attempt = copy.TryLock();
  EXPECT_EQ(attempt.decision, LockDecision::Granted);
  EXPECT_FALSE(attempt.Refused());
  EXPECT_FALSE(attempt.tookOverAbandonedLock);
  EXPECT_TRUE(copy.State.holdingLock);
  EXPECT_EQ(InFile().ChangeCount, 5);
  EXPECT_EQ(InFile().LockState, kLockHeld);
  EXPECT_TRUE(SameLockTime(InFile().LockTime, clock.Now()));
  // The read and the write came through the same, single open.
  EXPECT_EQ(files.Opens, 1);
  EXPECT_EQ(std::set<int>(files.AccessOpens.begin(), files.AccessOpens.end()), std::set<int>{1});
}

TEST_F(NetworkSyncTest, LockWithAFreshHeartbeatIsNeverTakenHoweverLongOthersWait) {
  Copy holder(files, clock);
  Copy other(files, clock);
  ASSERT_EQ(holder.TryLock().decision, LockDecision::Granted);

  for (int halfMinutes = 0; halfMinutes < 10; ++halfMinutes) {
    const SyncRecord before = InFile();
    const LockAttempt attempt = other.TryLock();
    EXPECT_EQ(attempt.decision, LockDecision::InUse) << halfMinutes;
    EXPECT_EQ(attempt.message, (StoreMessage{"Wordsnap File in use by another user.  Please try again later.", "Error"}));
    EXPECT_TRUE(SameLockTime(InFile().LockTime, before.LockTime)) << "a refused attempt writes nothing";
    clock.AdvanceSeconds(30);
    EXPECT_EQ(holder.Beat(), Heartbeat::Renewed);
    EXPECT_TRUE(SameLockTime(InFile().LockTime, clock.Now()));
  }
  EXPECT_FALSE(other.State.holdingLock);
}

TEST_F(NetworkSyncTest, LockAbandonedForAMinuteAfterFirstSightIsTakenOver) {
  Copy dead(files, clock);
  Copy other(files, clock);
  ASSERT_EQ(dead.TryLock().decision, LockDecision::Granted);
  const double deadHeartbeat = InFile().LockTime;

  clock.AdvanceSeconds(5);
  EXPECT_EQ(other.TryLock().decision, LockDecision::InUse);  // first sight
  clock.AdvanceSeconds(30);
  EXPECT_EQ(other.TryLock().decision, LockDecision::InUse);
  EXPECT_TRUE(SameLockTime(InFile().LockTime, deadHeartbeat));
  clock.AdvanceSeconds(31);  // 61 seconds after the first sight

  const LockAttempt attempt = other.TryLock();
  EXPECT_EQ(attempt.decision, LockDecision::Granted);
  EXPECT_TRUE(attempt.tookOverAbandonedLock);
  EXPECT_TRUE(other.State.holdingLock);
  EXPECT_EQ(InFile().LockState, kLockHeld);
  EXPECT_TRUE(SameLockTime(InFile().LockTime, clock.Now()));
}

TEST_F(NetworkSyncTest, MinuteIsCountedFromFirstSightAcrossMidnightAndWithinADay) {
  struct Case {
    const char* what;
    double firstSight;       // days
    double secondAttempt;    // days
    LockDecision decision;
  };
  const double second = 1.0 / 86400.0;
  const double lateEvening = 45000.0 + (86400 - 30) * second;  // 23:59:30
  const Case cases[] = {
      {"over midnight, 70 s", lateEvening, 45001.0 + 40 * second, LockDecision::Granted},
      {"over midnight, 50 s", lateEvening, 45001.0 + 20 * second, LockDecision::InUse},
      {"a day and 30 s", lateEvening, lateEvening + 1.0 + 30 * second, LockDecision::InUse},
      {"a day and 2 min", lateEvening, lateEvening + 1.0 + 120 * second, LockDecision::Granted},
      {"clock set back", lateEvening, lateEvening - 300 * second, LockDecision::InUse},
  };
  for (const Case& c : cases) {
    FakeSyncFiles shared;
    shared.Put(kSyncFile, {3, kLockHeld, 44999.9});
    FakeClock time(c.firstSight);
    Copy copy(shared, time);
    ASSERT_EQ(copy.TryLock().decision, LockDecision::InUse) << c.what;
    time.Set(c.secondAttempt);
    EXPECT_EQ(copy.TryLock().decision, c.decision) << c.what;
  }
}

TEST_F(NetworkSyncTest, AfterTheClockWentBackTheMinuteCountsFromTheNewTime) {
  files.Put(kSyncFile, {3, kLockHeld, 44999.9});
  clock.Set(45000.5);
  Copy copy(files, clock);
  ASSERT_EQ(copy.TryLock().decision, LockDecision::InUse);
  clock.AdvanceSeconds(-600);
  EXPECT_EQ(copy.TryLock().decision, LockDecision::InUse);
  clock.AdvanceSeconds(59);
  EXPECT_EQ(copy.TryLock().decision, LockDecision::InUse);
  clock.AdvanceSeconds(2);
  EXPECT_EQ(copy.TryLock().decision, LockDecision::Granted);
}

TEST_F(NetworkSyncTest, DamagedHeartbeatIsRecognisedWhenSeenAgain) {
  for (double lockTime : {std::numeric_limits<double>::quiet_NaN(), 0.0}) {
    FakeSyncFiles shared;
    shared.Put(kSyncFile, {3, kLockHeld, lockTime});
    FakeClock time;
    Copy copy(shared, time);
    EXPECT_EQ(copy.TryLock().decision, LockDecision::InUse) << lockTime << ": first sight";
    time.AdvanceSeconds(61);
    EXPECT_EQ(copy.TryLock().decision, LockDecision::Granted) << lockTime;
  }
}

TEST_F(NetworkSyncTest, ChangeByAnotherCopyIsReportedOnceAndTheCommandRepeated) {
  files.Put(kSyncFile, {5, kLockFree, 0});
  Copy a(files, clock);
  Copy b(files, clock);
  ASSERT_EQ(a.TryLock().decision, LockDecision::Granted);
  EXPECT_EQ(a.Release(1), SyncWrite::Written);
  EXPECT_EQ(InFile().ChangeCount, 6);

  const int writesBefore = files.Writes;
  const LockAttempt attempt = b.TryLock();
  EXPECT_EQ(attempt.decision, LockDecision::Changed);
  EXPECT_TRUE(attempt.Refused());
  EXPECT_EQ(attempt.message, (StoreMessage{"Wordsnap File has changed by another user.  Changed Wordsnap file "
                                           "will be reloaded after clicking \"ok\".",
                                           "Notice"}));
  EXPECT_EQ(b.State.rememberedChangeCount, 6);
  EXPECT_FALSE(b.State.holdingLock);
  EXPECT_EQ(files.Writes, writesBefore);

  EXPECT_EQ(b.TryLock().decision, LockDecision::Granted);
}

TEST_F(NetworkSyncTest, AbandonedLockOverAChangedFileAsksForAReloadFirst) {
  files.Put(kSyncFile, {9, kLockHeld, 44000.0});
  Copy copy(files, clock);
  copy.State.rememberedChangeCount = 8;  // this copy loaded the file before the change
  ASSERT_EQ(copy.TryLock().decision, LockDecision::InUse);
  clock.AdvanceSeconds(90);
  EXPECT_EQ(copy.TryLock().decision, LockDecision::Changed);
  EXPECT_EQ(InFile().LockState, kLockHeld);  // still the dead copy's lock
  const LockAttempt attempt = copy.TryLock();
  EXPECT_EQ(attempt.decision, LockDecision::Granted);
  EXPECT_TRUE(attempt.tookOverAbandonedLock);
}

TEST_F(NetworkSyncTest, ReleaseRaisesTheCountByDeltaAndFreesTheLock) {
  for (std::int32_t delta : {1, 0}) {
    FakeSyncFiles shared;
    shared.Put(kSyncFile, {5, kLockFree, 0});
    Copy copy(shared, clock);
    ASSERT_EQ(copy.TryLock().decision, LockDecision::Granted);
    EXPECT_EQ(copy.Release(delta), SyncWrite::Written);
    const SyncRecord record = shared.RecordOf(kSyncFile).value();
    EXPECT_EQ(record.ChangeCount, 5 + delta);
    EXPECT_EQ(record.LockState, kLockFree);
    EXPECT_EQ(copy.State.rememberedChangeCount, 5 + delta);
    EXPECT_FALSE(copy.State.holdingLock);
    EXPECT_EQ(copy.TryLock().decision, LockDecision::Granted) << "no reload after its own change";
  }
}

TEST_F(NetworkSyncTest, CountWrapsAroundInsteadOfOverflowing) {
  files.Put(kSyncFile, {std::numeric_limits<std::int32_t>::max(), kLockFree, 0});
  Copy copy(files, clock);
  ASSERT_EQ(copy.TryLock().decision, LockDecision::Granted);
  copy.Release(1);
  EXPECT_EQ(InFile().ChangeCount, std::numeric_limits<std::int32_t>::min());
}

TEST_F(NetworkSyncTest, CopyWhoseLockWasTakenOverLeavesTheNewLockAndLosesNoCount) {
  files.Put(kSyncFile, {5, kLockFree, 0});
  Copy slow(files, clock);  // stops its heartbeat, as if stuck, but is not dead
  Copy other(files, clock);
  ASSERT_EQ(slow.TryLock().decision, LockDecision::Granted);
  ASSERT_EQ(other.TryLock().decision, LockDecision::InUse);
  clock.AdvanceSeconds(61);
  ASSERT_EQ(other.TryLock().decision, LockDecision::Granted);
  const double otherHeartbeat = InFile().LockTime;

  // The slow copy's heartbeat finds the lock gone and writes nothing.
  const int writesBefore = files.Writes;
  EXPECT_EQ(slow.Beat(), Heartbeat::LockLost);
  EXPECT_EQ(files.Writes, writesBefore);

  // Its release counts its change but keeps the other copy's lock.
  slow.Release(1);
  EXPECT_EQ(InFile().ChangeCount, 6);
  EXPECT_EQ(InFile().LockState, kLockHeld);
  EXPECT_TRUE(SameLockTime(InFile().LockTime, otherHeartbeat));

  other.Release(1);
  EXPECT_EQ(InFile().ChangeCount, 7);
  EXPECT_EQ(InFile().LockState, kLockFree);
  // Neither copy's tree holds the other's change: the next check of each reloads.
  EXPECT_TRUE(DataFileChangedBeforeExpansion(slow.State, files, true));
  EXPECT_TRUE(DataFileChangedBeforeExpansion(other.State, files, true));
}

TEST_F(NetworkSyncTest, HeartbeatRenewsOnlyTheTimeAndOnlyWhileHolding) {
  files.Put(kSyncFile, {5, kLockFree, 0});
  Copy copy(files, clock);
  EXPECT_EQ(copy.Beat(), Heartbeat::NotHolding);
  EXPECT_EQ(files.Writes, 0);
  ASSERT_EQ(copy.TryLock().decision, LockDecision::Granted);
  clock.AdvanceSeconds(30);
  EXPECT_EQ(copy.Beat(), Heartbeat::Renewed);
  EXPECT_EQ(InFile().ChangeCount, 5);
  EXPECT_EQ(InFile().LockState, kLockHeld);
  EXPECT_TRUE(SameLockTime(InFile().LockTime, clock.Now()));
  copy.Release(0);
  EXPECT_EQ(copy.Beat(), Heartbeat::NotHolding);
}

TEST_F(NetworkSyncTest, SyncFileBusyBeyondTheWaitRefusesAsInUse) {
  files.Put(kSyncFile, {5, kLockFree, 0});
  Copy copy(files, clock);
  files.RefuseOpens = SyncOpenStatus::Busy;
  const LockAttempt attempt = copy.TryLock();
  EXPECT_EQ(attempt.decision, LockDecision::InUse);
  EXPECT_EQ(attempt.message, FileInUseMessage());
  EXPECT_FALSE(copy.State.holdingLock);
  EXPECT_FALSE(copy.State.lockTimeSeen);

  files.RefuseOpens.reset();
  ASSERT_EQ(copy.TryLock().decision, LockDecision::Granted);
  files.RefuseOpens = SyncOpenStatus::Busy;
  EXPECT_EQ(copy.Beat(), Heartbeat::Skipped);
  EXPECT_EQ(copy.Release(1), SyncWrite::Skipped);
  EXPECT_FALSE(copy.State.holdingLock);
}

// A sync file that cannot be opened leaves the record as this copy last saw it, and
// the decision is taken on that.
TEST_F(NetworkSyncTest, SyncFileThatCannotBeOpenedIsDecidedOnTheRecordLastSeen) {
  struct Case {
    const char* what;
    SyncRecord lastSeen;
    LockDecision decision;
  };
  const Case cases[] = {
      {"free, unchanged", {5, kLockFree, 0}, LockDecision::Granted},
      {"free, changed", {6, kLockFree, 0}, LockDecision::Changed},
      {"held", {5, kLockHeld, 44000.0}, LockDecision::InUse},
  };
  for (const Case& c : cases) {
    FakeSyncFiles shared;
    shared.Put(kSyncFile, {5, kLockFree, 0});
    Copy copy(shared, clock);
    copy.State.record = c.lastSeen;
    shared.RefuseOpens = SyncOpenStatus::Unavailable;
    EXPECT_EQ(copy.TryLock().decision, c.decision) << c.what;
  }
}

// A torn sync file (cut short, emptied) while one copy holds the lock must not let
// a second copy take it: it counts as held until a minute has passed without a
// whole record, and the holder's next heartbeat writes it whole again.
TEST_F(NetworkSyncTest, TornSyncFileIsHeldByAnUnknownCopyForTheAbandonedLockMinute) {
  for (const std::size_t tornLength : {std::size_t{0}, std::size_t{9}, std::size_t{13}}) {
    FakeSyncFiles shared;
    Copy holder(shared, clock);
    Copy other(shared, clock);
    ASSERT_EQ(holder.TryLock().decision, LockDecision::Granted);
    shared.Files[kSyncFile].resize(tornLength);

    EXPECT_EQ(other.TryLock().decision, LockDecision::InUse) << tornLength;
    clock.AdvanceSeconds(5);
    EXPECT_EQ(holder.Beat(), Heartbeat::Renewed) << tornLength;  // written whole again
    EXPECT_EQ(other.TryLock().decision, LockDecision::InUse) << tornLength;
    ASSERT_EQ(holder.Release(1), SyncWrite::Written);
    EXPECT_EQ(other.TryLock().decision, LockDecision::Changed) << tornLength;
    EXPECT_EQ(other.TryLock().decision, LockDecision::Granted) << tornLength;
    ASSERT_EQ(other.Release(0), SyncWrite::Written);
  }
}

TEST_F(NetworkSyncTest, TornSyncFileNoCopyRewritesIsTakenOverAfterAMinuteWithAReload) {
  files.Put(kSyncFile, {5, kLockFree, 0});
  Copy copy(files, clock);
  files.Files[kSyncFile].resize(3);

  EXPECT_EQ(copy.TryLock().decision, LockDecision::InUse);  // first sight
  clock.AdvanceSeconds(59);
  EXPECT_EQ(copy.TryLock().decision, LockDecision::InUse);
  EXPECT_EQ(files.Files[kSyncFile].size(), 3u) << "nothing is written while it counts as held";
  clock.AdvanceSeconds(2);

  const LockAttempt takeover = copy.TryLock();
  EXPECT_EQ(takeover.decision, LockDecision::Changed) << "the unknown copy may have changed the data file";
  EXPECT_TRUE(takeover.tookOverAbandonedLock);
  EXPECT_EQ(InFile().ChangeCount, 6);
  EXPECT_EQ(InFile().LockState, kLockFree);
  EXPECT_EQ(copy.TryLock().decision, LockDecision::Granted);
  EXPECT_EQ(InFile().LockState, kLockHeld);
}

TEST_F(NetworkSyncTest, SyncFileThatCannotBeWrittenIsSkippedSilently) {
  files.Put(kSyncFile, {5, kLockFree, 0});
  Copy copy(files, clock);
  files.WritesFail = true;
  const LockAttempt attempt = copy.TryLock();
  EXPECT_EQ(attempt.decision, LockDecision::Granted);
  EXPECT_FALSE(attempt.message.has_value());
  EXPECT_NE(copy.Beat(), Heartbeat::Renewed);
  EXPECT_EQ(copy.Release(1), SyncWrite::Skipped);
  EXPECT_EQ(copy.State.rememberedChangeCount, 6);
  EXPECT_EQ(InFile().ChangeCount, 5);
  EXPECT_EQ(InFile().LockState, kLockFree);
}

TEST_F(NetworkSyncTest, MissingSyncFileThatCannotBeCreatedStartsFromCountOne) {
  SyncState state;
  state.syncPath = kSyncFile;
  state.record = {7, kLockHeld, 44000.0};
  files.WritesFail = true;
  ReadSyncFile(state, files);
  EXPECT_EQ(state.record.ChangeCount, 1);
  EXPECT_EQ(state.record.LockState, kLockFree);
  EXPECT_TRUE(SameLockTime(state.record.LockTime, 44000.0));
  EXPECT_TRUE(files.Files.empty());
}

TEST_F(NetworkSyncTest, ChangeCheckBeforeExpansionReloadsOncePerChange) {
  files.Put(kSyncFile, {5, kLockFree, 0});
  Copy copy(files, clock);
  EXPECT_FALSE(DataFileChangedBeforeExpansion(copy.State, files, true));
  files.Put(kSyncFile, {6, kLockHeld, 45000.2});  // another copy's change, and its lock
  EXPECT_TRUE(DataFileChangedBeforeExpansion(copy.State, files, true));
  EXPECT_EQ(copy.State.rememberedChangeCount, 6);
  EXPECT_FALSE(DataFileChangedBeforeExpansion(copy.State, files, true));

  files.Files.erase(kSyncFile);  // a sync file removed is started again at 1
  EXPECT_TRUE(DataFileChangedBeforeExpansion(copy.State, files, true));
  EXPECT_EQ(InFile().ChangeCount, 1);
}

}  // namespace
}  // namespace wordsnap
