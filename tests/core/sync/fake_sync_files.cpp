#include "fake_sync_files.h"

#include <algorithm>
#include <memory>

namespace wordsnap::testing {
namespace {

class FakeSyncFile final : public SyncFile {
 public:
  FakeSyncFile(FakeSyncFiles& files, std::string path, int open)
      : files_(files), path_(std::move(path)), open_(open) {}

  std::optional<SyncBytes> ReadRecord() override {
    files_.AccessOpens.push_back(open_);
    const std::vector<std::uint8_t>& bytes = files_.Files[path_];
    if (bytes.size() < kSyncRecordSize) return std::nullopt;
    SyncBytes record{};
    std::copy_n(bytes.begin(), kSyncRecordSize, record.begin());
    return record;
  }

  bool WriteRecord(const SyncBytes& bytes) override {
    files_.AccessOpens.push_back(open_);
    if (files_.WritesFail) return false;
    ++files_.Writes;
    files_.Files[path_].assign(bytes.begin(), bytes.end());
    return true;
  }

 private:
  FakeSyncFiles& files_;
  std::string path_;
  int open_;
};

}  // namespace

SyncOpen FakeSyncFiles::OpenExclusive(const std::string& path) {
  const int open = ++Opens;
  if (RefuseOpens) return {*RefuseOpens, nullptr};
  SyncOpenStatus status = SyncOpenStatus::Opened;
  if (Files.find(path) == Files.end()) {
    if (WritesFail) return {SyncOpenStatus::Missing, nullptr};
    Files[path];
    status = SyncOpenStatus::Created;
  }
  return {status, std::make_unique<FakeSyncFile>(*this, path, open)};
}

std::optional<SyncRecord> FakeSyncFiles::RecordOf(const std::string& path) const {
  const auto found = Files.find(path);
  if (found == Files.end()) return std::nullopt;
  return DecodeSyncRecord(found->second);
}

void FakeSyncFiles::Put(const std::string& path, const SyncRecord& record) {
  const SyncBytes bytes = EncodeSyncRecord(record);
  Files[path].assign(bytes.begin(), bytes.end());
}

}  // namespace wordsnap::testing
