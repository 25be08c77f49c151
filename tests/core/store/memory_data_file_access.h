#pragma once
// An in-memory stand-in for the data-file access. Files are byte vectors shared
// with the open files that use them, so a replaced file behaves like one that
// was renamed over: those who opened the old one keep it.
//
// Every call on the access or on an open file is one step. A failure can be set
// at step N: the call then fails (a write first stores its first half, as a torn
// write would), or, in crash mode, throws SimulatedCrash and every later call
// fails without effect, as if the program had died there. Names given by Link
// share one file, as hard links do.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/seam/data_file_access.h"

namespace wordsnap::store_test {

struct SimulatedCrash {};

using Bytes = std::vector<std::uint8_t>;

class MemoryDataFileAccess final : public DataFileAccess {
 public:
  enum class FailureKind { ReturnFailure, Crash };

  void Put(const std::string& path, Bytes bytes);
  // Gives an existing file a second name, as a hard link does.
  void Link(const std::string& existing, const std::string& newPath) { files_[newPath] = files_.at(existing); }
  // How many names lead to the bytes of this open file.
  std::uint32_t NamesOf(const std::shared_ptr<Bytes>& bytes) const;
  bool Has(const std::string& path) const { return files_.count(path) != 0; }
  const Bytes& Content(const std::string& path) const;
  std::set<std::string> Paths() const;

  void FailAtStep(int step, FailureKind kind) {
    failAtStep_ = step;
    failureKind_ = kind;
  }
  int Steps() const { return steps_; }
  bool FailureHappened() const { return failed_; }
  const std::string& FailedCall() const { return failedCall_; }

  // Paths that cannot be opened at all, or only for reading.
  std::set<std::string> Unopenable;
  std::set<std::string> ReadOnly;
  bool CreationFails = false;  // no new file can be made, side files included
  bool ReplaceFails = false;   // a file can be changed but not replaced

  std::unique_ptr<DataFile> Open(const std::string& path, DataFileMode mode) override;
  std::unique_ptr<DataFile> CreateNew(const std::string& path) override;
  std::unique_ptr<DataFile> CreateSideFile(const std::string& besidePath, std::string& sidePath) override;
  bool Exists(const std::string& path) override;
  std::optional<bool> SameFile(const std::string& a, const std::string& b) override;
  bool Replace(const std::string& source, const std::string& target) override;
  bool Remove(const std::string& path) override;

  // Counts a step; false when this step is the one to fail, after beforeFailing
  // has run. In crash mode the failing step throws instead.
  bool Step(const char* call, const std::function<void()>& beforeFailing = {});

 private:
  std::map<std::string, std::shared_ptr<Bytes>> files_;
  int steps_ = 0;
  int failAtStep_ = 0;
  FailureKind failureKind_ = FailureKind::ReturnFailure;
  bool failed_ = false;
  bool dead_ = false;
  std::string failedCall_;
  int sideFiles_ = 0;
};

}  // namespace wordsnap::store_test
