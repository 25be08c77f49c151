#pragma once
// In-memory sync files for the sync logic's tests, and a clock the tests set.
// Every open is numbered, and every read and write notes the open it came
// through, so a test can see that a lock attempt stayed within one open.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/seam/clock.h"
#include "core/sync/sync_clock.h"
#include "core/seam/sync_file_access.h"

namespace wordsnap::testing {

class FakeClock final : public Clock {
 public:
  explicit FakeClock(double now = 45000.5) : now_(now) {}
  double Now() const override { return now_; }
  void Set(double now) { now_ = now; }
  void AdvanceSeconds(double seconds) { now_ += seconds / 86400.0; }

 private:
  double now_;
};

class FakeSyncFiles final : public SyncFileAccess {
 public:
  std::map<std::string, std::vector<std::uint8_t>> Files;

  // Answers every open with this status and no file (Busy, Unavailable, Missing).
  std::optional<SyncOpenStatus> RefuseOpens;
  bool WritesFail = false;  // a file that can be read but not written

  int Opens = 0;
  int Writes = 0;
  std::vector<int> AccessOpens;  // the open each read and write went through

  SyncOpen OpenExclusive(const std::string& path) override;

  // The record the named file holds; nothing when it is shorter than a record.
  std::optional<SyncRecord> RecordOf(const std::string& path) const;
  void Put(const std::string& path, const SyncRecord& record);
};

}  // namespace wordsnap::testing
