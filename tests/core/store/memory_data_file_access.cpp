#include "store/memory_data_file_access.h"

#include <algorithm>
#include <stdexcept>

namespace wordsnap::store_test {
namespace {

class MemoryDataFile final : public DataFile {
 public:
  MemoryDataFile(MemoryDataFileAccess& access, std::shared_ptr<Bytes> bytes, bool writable)
      : access_(access), bytes_(std::move(bytes)), writable_(writable) {}

  std::optional<std::uint64_t> Size() override {
    if (!open_ || !access_.Step("Size")) return std::nullopt;
    return bytes_->size();
  }

  bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> out) override {
    if (!open_ || !access_.Step("ReadAt")) return false;
    if (offset > bytes_->size() || bytes_->size() - offset < out.size()) return false;
    std::copy_n(bytes_->begin() + static_cast<std::ptrdiff_t>(offset), out.size(), out.begin());
    return true;
  }

  bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> data) override {
    if (!open_ || !writable_) return false;
    // A failing write is torn: its first half reaches the file.
    if (!access_.Step("WriteAt", [&] { Store(offset, data.first(data.size() / 2)); })) return false;
    Store(offset, data);
    return true;
  }

  bool Truncate(std::uint64_t size) override {
    if (!open_ || !writable_ || !access_.Step("Truncate")) return false;
    bytes_->resize(static_cast<std::size_t>(size));
    return true;
  }

  bool Flush() override { return open_ && access_.Step("Flush"); }

  bool Close() override {
    if (!open_) return false;
    open_ = false;
    return access_.Step("Close");
  }

  std::optional<std::uint32_t> Links() override {
    if (!open_ || !access_.Step("Links")) return std::nullopt;
    return access_.NamesOf(bytes_);
  }

 private:
  void Store(std::uint64_t offset, std::span<const std::uint8_t> data) {
    if (data.empty()) return;
    const auto end = static_cast<std::size_t>(offset) + data.size();
    if (bytes_->size() < end) bytes_->resize(end, 0);
    std::copy(data.begin(), data.end(), bytes_->begin() + static_cast<std::ptrdiff_t>(offset));
  }

  MemoryDataFileAccess& access_;
  std::shared_ptr<Bytes> bytes_;
  bool writable_;
  bool open_ = true;
};

}  // namespace

void MemoryDataFileAccess::Put(const std::string& path, Bytes bytes) {
  files_[path] = std::make_shared<Bytes>(std::move(bytes));
}

const Bytes& MemoryDataFileAccess::Content(const std::string& path) const {
  const auto found = files_.find(path);
  if (found == files_.end()) throw std::logic_error("no such file: " + path);
  return *found->second;
}

std::set<std::string> MemoryDataFileAccess::Paths() const {
  std::set<std::string> paths;
  for (const auto& entry : files_) paths.insert(entry.first);
  return paths;
}

bool MemoryDataFileAccess::Step(const char* call, const std::function<void()>& beforeFailing) {
  if (dead_) return false;
  ++steps_;
  if (steps_ != failAtStep_) return true;
  failed_ = true;
  failedCall_ = call;
  if (beforeFailing) beforeFailing();
  if (failureKind_ == FailureKind::Crash) {
    dead_ = true;
    throw SimulatedCrash{};
  }
  return false;
}

std::unique_ptr<DataFile> MemoryDataFileAccess::Open(const std::string& path, DataFileMode mode) {
  if (!Step("Open")) return nullptr;
  const auto found = files_.find(path);
  if (found == files_.end() || Unopenable.count(path)) return nullptr;
  const bool writable = mode == DataFileMode::ReadWrite;
  if (writable && ReadOnly.count(path)) return nullptr;
  return std::make_unique<MemoryDataFile>(*this, found->second, writable);
}

std::unique_ptr<DataFile> MemoryDataFileAccess::CreateNew(const std::string& path) {
  if (!Step("CreateNew") || CreationFails || files_.count(path)) return nullptr;
  auto bytes = std::make_shared<Bytes>();
  files_[path] = bytes;
  return std::make_unique<MemoryDataFile>(*this, bytes, true);
}

std::unique_ptr<DataFile> MemoryDataFileAccess::CreateSideFile(const std::string& besidePath, std::string& sidePath) {
  if (!Step("CreateSideFile") || CreationFails) return nullptr;
  sidePath = besidePath + ".side" + std::to_string(++sideFiles_);
  auto bytes = std::make_shared<Bytes>();
  files_[sidePath] = bytes;
  return std::make_unique<MemoryDataFile>(*this, bytes, true);
}

std::uint32_t MemoryDataFileAccess::NamesOf(const std::shared_ptr<Bytes>& bytes) const {
  return static_cast<std::uint32_t>(
      std::count_if(files_.begin(), files_.end(), [&](const auto& entry) { return entry.second == bytes; }));
}

std::optional<bool> MemoryDataFileAccess::SameFile(const std::string& a, const std::string& b) {
  if (!Step("SameFile")) return std::nullopt;
  const auto first = files_.find(a);
  const auto second = files_.find(b);
  if (first == files_.end() || second == files_.end()) return std::nullopt;
  return first->second == second->second;
}

bool MemoryDataFileAccess::Exists(const std::string& path) { return Step("Exists") && files_.count(path) != 0; }

bool MemoryDataFileAccess::Replace(const std::string& source, const std::string& target) {
  if (!Step("Replace")) return false;
  const auto found = files_.find(source);
  if (found == files_.end() || ReadOnly.count(target) || ReplaceFails) return false;
  files_[target] = found->second;
  files_.erase(source);
  return true;
}

bool MemoryDataFileAccess::Remove(const std::string& path) { return Step("Remove") && files_.erase(path) != 0; }

}  // namespace wordsnap::store_test
