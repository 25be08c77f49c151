// syncstress.exe: changes a shared data file the way the program does, through the
// network lock of its sync file, so that several copies can be run at once.
//
//   syncstress add <data file> <worker> <count> [<go file>]
//       adds <count> Wordsnaps: FileInUse, then AddAHotKey appending with the
//       record count, then ReleaseSyncFile; a refused attempt is retried (after a
//       reload when the file changed). Prints "added <count>". With a go file it
//       prints "ready" once it has loaded the data file, and starts when the go
//       file exists, so that several workers start together.
//   syncstress hold <data file>
//       takes the lock, prints "holding", and keeps it with its heartbeat until it
//       is killed.
//   syncstress block <data file>
//       opens the sync file as a lock attempt does, prints "blocking", and keeps
//       it open until it is killed.
//   syncstress attempt <data file> <worker> <seconds>...
//       one lock attempt at each clock offset (seconds added to the local time),
//       printing "+<seconds> in use", "+<seconds> changed", "+<seconds> granted" or
//       "+<seconds> granted over an abandoned lock"; after the first grant adds
//       Wordsnap 1 of <worker>, releases and prints "added 1".
//
// Exits with 0 when it did what was asked, 1 on wrong arguments, 2 on a failure.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/store/data_file_operations.h"
#include "core/sync/network_sync.h"
#include "platform/win32/win32_data_file.h"
#include "platform/win32/win32_sync_file.h"
#include "stress_snap.h"

namespace wordsnap {
namespace {

// An attempt that keeps being refused for this long means something is stuck.
constexpr DWORD kGiveUpMilliseconds = 180000;

// The local clock moved by a chosen number of seconds.
class ShiftedClock final : public Clock {
 public:
  double Now() const override { return system_.Now() + offsetSeconds / 86400.0; }
  double offsetSeconds = 0;

 private:
  Win32LocalClock system_;
};

// The sync file, with a pause between reading it and anything after: a copy then
// decides and writes long after it read, so any two copies whose attempts were not
// kept apart would both see the lock free and both take it.
class SlowSyncFile final : public SyncFile {
 public:
  explicit SlowSyncFile(std::unique_ptr<SyncFile> file) : file_(std::move(file)) {}
  std::optional<SyncBytes> ReadRecord() override {
    std::optional<SyncBytes> bytes = file_->ReadRecord();
    Sleep(kPauseAfterReadMilliseconds);
    return bytes;
  }
  bool WriteRecord(const SyncBytes& bytes) override { return file_->WriteRecord(bytes); }

  static constexpr DWORD kPauseAfterReadMilliseconds = 3;

 private:
  std::unique_ptr<SyncFile> file_;
};

class SlowSyncFileAccess final : public SyncFileAccess {
 public:
  SyncOpen OpenExclusive(const std::string& path) override {
    SyncOpen open = files_.OpenExclusive(path);
    if (open.file) open.file = std::make_unique<SlowSyncFile>(std::move(open.file));
    return open;
  }

 private:
  Win32SyncFileAccess files_;
};

struct Copy {
  std::string dataFile;
  WordsnapStore store;
  Win32DataFileAccess files;
  SlowSyncFileAccess syncFiles;
  ShiftedClock clock;
  SyncState sync;

  explicit Copy(std::string path) : dataFile(std::move(path)) {
    LoadTheHotKeys(store, files, dataFile);
    AttachSyncFile(sync, syncFiles, dataFile);
  }

  LockAttempt TryLock() {
    const LockAttempt attempt = FileInUse(sync, syncFiles, clock, true);
    if (attempt.decision == LockDecision::Changed) ReloadHotKeys(store, files, dataFile);
    return attempt;
  }

  // Adds one Wordsnap while holding the lock, and releases it.
  bool AddAndRelease(int worker, int number) {
    store.current.Record = stress::StressSnap(worker, number);
    store.recordCount += 1;
    const StoreResult result = AddAHotKey(store, files, dataFile, kAppendRecord);
    ReleaseSyncFile(sync, syncFiles, true, result.Ok() ? 1 : 0);
    if (!result.Ok()) std::printf("saving failed: %s\n", result.message ? result.message->text.c_str() : "");
    return result.Ok();
  }
};

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

bool WaitForFile(const std::string& path) {
  const DWORD start = GetTickCount();
  while (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    if (GetTickCount() - start > kGiveUpMilliseconds) return false;
    Sleep(1);
  }
  return true;
}

int Add(const std::string& dataFile, int worker, int count, const std::string& goFile) {
  Copy copy(dataFile);
  if (!goFile.empty()) {
    Say("ready");
    if (!WaitForFile(goFile)) return 2;
  }
  const DWORD start = GetTickCount();
  int inUse = 0;
  int changed = 0;
  for (int number = 1; number <= count;) {
    const LockAttempt attempt = copy.TryLock();
    if (attempt.decision == LockDecision::Granted) {
      if (!copy.AddAndRelease(worker, number)) return 2;
      ++number;
      continue;
    }
    if (attempt.decision == LockDecision::Changed) {
      ++changed;
    } else {
      ++inUse;
      Sleep(1);
    }
    if (GetTickCount() - start > kGiveUpMilliseconds) {
      Say("gave up after " + std::to_string(number - 1) + " added");
      return 2;
    }
  }
  Say("added " + std::to_string(count) + " (refused " + std::to_string(inUse) + " in use, " +
      std::to_string(changed) + " changed)");
  return 0;
}

int Hold(const std::string& dataFile) {
  Copy copy(dataFile);
  const DWORD start = GetTickCount();
  while (copy.TryLock().decision != LockDecision::Granted) {
    if (GetTickCount() - start > kGiveUpMilliseconds) return 2;
    Sleep(1);
  }
  Say("holding");
  for (;;) {
    Sleep(30000);
    NetTimerTick(copy.sync, copy.syncFiles, copy.clock);
  }
}

int Block(const std::string& dataFile) {
  Win32SyncFileAccess syncFiles;
  const SyncOpen open = syncFiles.OpenExclusive(SyncFileNameFor(dataFile));
  if (!open.file) return 2;
  Say("blocking");
  for (;;) Sleep(INFINITE);
}

std::string AttemptOutcome(const LockAttempt& attempt) {
  switch (attempt.decision) {
    case LockDecision::InUse:
      return "in use";
    case LockDecision::Changed:
      return "changed";
    case LockDecision::Granted:
      return attempt.tookOverAbandonedLock ? "granted over an abandoned lock" : "granted";
    case LockDecision::NotNetworked:
      break;
  }
  return "not networked";
}

int Attempt(const std::string& dataFile, int worker, const std::vector<double>& offsets) {
  Copy copy(dataFile);
  for (double offset : offsets) {
    copy.clock.offsetSeconds = offset;
    const LockAttempt attempt = copy.TryLock();
    char label[32];
    std::snprintf(label, sizeof label, "+%g ", offset);
    Say(label + AttemptOutcome(attempt));
    if (attempt.decision == LockDecision::Granted) {
      if (!copy.AddAndRelease(worker, 1)) return 2;
      Say("added 1");
      return 0;
    }
  }
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: syncstress add <data file> <worker> <count> [<go file>]\n"
               "       syncstress hold <data file>\n"
               "       syncstress block <data file>\n"
               "       syncstress attempt <data file> <worker> <seconds>...\n");
  return 1;
}

int Run(const std::vector<std::string>& args) {
  if ((args.size() == 4 || args.size() == 5) && args[0] == "add") {
    return Add(args[1], std::atoi(args[2].c_str()), std::atoi(args[3].c_str()), args.size() == 5 ? args[4] : "");
  }
  if (args.size() == 2 && args[0] == "hold") return Hold(args[1]);
  if (args.size() == 2 && args[0] == "block") return Block(args[1]);
  if (args.size() >= 4 && args[0] == "attempt") {
    std::vector<double> offsets;
    for (std::size_t i = 3; i < args.size(); ++i) offsets.push_back(std::atof(args[i].c_str()));
    return Attempt(args[1], std::atoi(args[2].c_str()), offsets);
  }
  return Usage();
}

}  // namespace
}  // namespace wordsnap

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return wordsnap::Run(args);
}
