// A change interrupted at any step, by a failing call or by the program dying
// there, must not cost other Wordsnaps; a delete must leave the file exactly as
// it was or exactly as it should become.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "store/store_fixture.h"

namespace wordsnap::store_test {
namespace {

using Kind = MemoryDataFileAccess::FailureKind;

struct InterruptedRun {
  StoreResult Result;
  bool Crashed = false;
  bool FailureInjected = false;
  std::string FailedCall;
  Bytes After;
  std::set<std::string> Paths;
};

// Runs the change on a fresh copy of the file, failing at the given step.
InterruptedRun RunWithFailure(const Bytes& file, int step, Kind kind,
                   const std::function<StoreResult(WordsnapStore&, MemoryDataFileAccess&)>& change) {
  MemoryDataFileAccess files;
  files.Put(kDataPath, file);
  WordsnapStore store;
  store.prefixKeys = "#";
  files.FailAtStep(step, kind);
  InterruptedRun run;
  try {
    run.Result = change(store, files);
  } catch (const SimulatedCrash&) {
    run.Crashed = true;
  }
  run.FailureInjected = files.FailureHappened();
  run.FailedCall = files.FailedCall();
  run.After = files.Content(kDataPath);
  run.Paths = files.Paths();
  return run;
}

// Calls check for every step at which the change can fail, then for a run with
// no failure; returns how many steps the change takes.
int ForEveryStep(const Bytes& file, Kind kind,
                 const std::function<StoreResult(WordsnapStore&, MemoryDataFileAccess&)>& change,
                 const std::function<void(const InterruptedRun&)>& check) {
  for (int step = 1;; ++step) {
    SCOPED_TRACE("failure at step " + std::to_string(step));
    const InterruptedRun run = RunWithFailure(file, step, kind, change);
    check(run);
    if (!run.FailureInjected) return step - 1;
  }
}

Bytes WithoutRecord(const Bytes& file, std::size_t recordNo, const std::string& prefixKeys) {
  Bytes result = file;
  const auto at = result.begin() + static_cast<std::ptrdiff_t>((recordNo - 1) * kRecordSize);
  result.erase(at, at + kRecordSize);
  if (recordNo == 1 && result.size() >= kRecordSize) {
    std::span<std::uint8_t, 3> field(result.data(), 3);
    EncodePrefixKeys(prefixKeys, field);
  }
  return result;
}

TEST(InterruptedChange, DeleteLeavesTheOldContentsOrTheNewAtEveryStep) {
  std::vector<std::string> names;
  for (int i = 0; i < 260; ++i) names.push_back("w" + std::to_string(i));  // more than one copy chunk
  Bytes file = FileOfNames(names, "pk");
  file.insert(file.end(), 40, 0x7E);  // a damaged tail travels along

  for (const std::size_t recordNo : {std::size_t{1}, std::size_t{130}, names.size()}) {
    const Bytes expected = WithoutRecord(file, recordNo, "#");
    auto remove = [&](WordsnapStore& store, MemoryDataFileAccess& files) {
      return RemoveAHotKey(store, files, kDataPath, static_cast<std::int32_t>(recordNo));
    };
    for (const Kind kind : {Kind::ReturnFailure, Kind::Crash}) {
      SCOPED_TRACE("record " + std::to_string(recordNo) + (kind == Kind::Crash ? ", crash" : ", failure"));
      const int steps = ForEveryStep(file, kind, remove, [&](const InterruptedRun& run) {
        const bool old = run.After == file;
        const bool changed = run.After == expected;
        ASSERT_TRUE(old || changed) << "failed in " << run.FailedCall;
        if (run.Crashed) return;
        EXPECT_EQ(run.Result.Ok(), changed) << "failed in " << run.FailedCall;
        if (!run.Result.Ok()) {
          EXPECT_EQ(run.Result.message, DeletingFailedMessage());
        }
        EXPECT_EQ(run.Paths, std::set<std::string>{kDataPath}) << "side file left after " << run.FailedCall;
      });
      EXPECT_GT(steps, 8);
    }
  }
}

// Where the file is changed in place (here: its folder takes no side file), an
// interruption may leave one Wordsnap twice or one record mixed of two, but every
// Wordsnap but the deleted one is still whole somewhere in the file.
TEST(InterruptedChange, DeleteInPlaceLosesNoOtherWordsnapAtAnyStep) {
  std::vector<std::string> names;
  for (int i = 0; i < 12; ++i) names.push_back("w" + std::to_string(i));
  const Bytes file = FileOfNames(names, "pk");
  // A record without its prefix field: a new record 1 carries the prefix keys in force.
  const auto body = [](const Bytes& bytes, std::size_t recordNo) {
    Bytes record = RecordBytesAt(bytes, recordNo);
    record.erase(record.begin(), record.begin() + 3);
    return record;
  };
  for (const std::size_t recordNo : {std::size_t{1}, std::size_t{6}, names.size()}) {
    auto remove = [&](WordsnapStore& store, MemoryDataFileAccess& files) {
      files.CreationFails = true;
      return RemoveAHotKey(store, files, kDataPath, static_cast<std::int32_t>(recordNo));
    };
    for (const Kind kind : {Kind::ReturnFailure, Kind::Crash}) {
      SCOPED_TRACE("record " + std::to_string(recordNo) + (kind == Kind::Crash ? ", crash" : ", failure"));
      const int steps = ForEveryStep(file, kind, remove, [&](const InterruptedRun& run) {
        ASSERT_LE(run.After.size(), file.size());
        ASSERT_EQ(run.After.size() % kRecordSize, 0u);
        std::vector<Bytes> left;
        for (std::size_t n = 1; n * kRecordSize <= run.After.size(); ++n) left.push_back(body(run.After, n));
        for (std::size_t other = 1; other <= names.size(); ++other) {
          if (other == recordNo) continue;
          EXPECT_NE(std::find(left.begin(), left.end(), body(file, other)), left.end())
              << names[other - 1] << " lost after a failure in " << run.FailedCall;
        }
        EXPECT_EQ(run.Paths, std::set<std::string>{kDataPath});
        if (run.Crashed) return;
        if (run.Result.Ok()) {  // the failure hit a step that has a way round it
          EXPECT_EQ(run.After, WithoutRecord(file, recordNo, "#")) << "after a failure in " << run.FailedCall;
          return;
        }
        EXPECT_EQ(run.Result.message, run.After == file ? DeletingFailedMessage() : DeletingInterruptedMessage())
            << "failed in " << run.FailedCall;
      });
      EXPECT_GT(steps, 4);
    }
  }
}

TEST(InterruptedChange, AppendAndRewriteNeverTouchOtherRecords) {
  const Bytes file = FileOfNames({"a", "b", "c"}, "pk");
  for (const std::int32_t target : {kAppendRecord, 2}) {
    auto write = [&](WordsnapStore& store, MemoryDataFileAccess& files) {
      store.current.Record = MakeRecord("new", std::string(2000, 'n'));
      return AddAHotKey(store, files, kDataPath, target);
    };
    for (const Kind kind : {Kind::ReturnFailure, Kind::Crash}) {
      SCOPED_TRACE(std::to_string(target) + (kind == Kind::Crash ? ", crash" : ", failure"));
      ForEveryStep(file, kind, write, [&](const InterruptedRun& run) {
        ASSERT_GE(run.After.size(), file.size());
        for (std::size_t other = 1; other <= 3; ++other) {
          if (static_cast<std::int32_t>(other) == target) continue;
          EXPECT_EQ(RecordBytesAt(run.After, other), RecordBytesAt(file, other)) << "record " << other;
        }
        if (!run.Crashed && !run.Result.Ok()) {
          EXPECT_EQ(run.Result.message, SavingFailedMessage());
        }
      });
    }
  }
}

TEST(InterruptedChange, FieldChangesTouchOnlyTheirField) {
  const Bytes file = FileOfNames({"a", "b"}, "pk");
  auto activate = [](WordsnapStore&, MemoryDataFileAccess& files) { return ChangeActiveInFile(files, kDataPath, 2, 0); };
  auto prefix = [](WordsnapStore& store, MemoryDataFileAccess& files) {
    return ChangePrefixInFile(store, files, kDataPath);
  };
  for (const Kind kind : {Kind::ReturnFailure, Kind::Crash}) {
    ForEveryStep(file, kind, activate, [&](const InterruptedRun& run) {
      Bytes expected = file;
      expected[kRecordSize + record_offset::kActive] = run.After[kRecordSize + record_offset::kActive];
      EXPECT_EQ(run.After, expected);
    });
    ForEveryStep(file, kind, prefix, [&](const InterruptedRun& run) {
      EXPECT_TRUE(std::equal(file.begin() + 3, file.end(), run.After.begin() + 3));
      EXPECT_EQ(run.After.size(), file.size());
    });
  }
}

}  // namespace
}  // namespace wordsnap::store_test
