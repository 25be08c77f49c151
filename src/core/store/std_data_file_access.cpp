#include "core/store/std_data_file_access.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace wordsnap {
namespace {

namespace fs = std::filesystem;

class StdDataFile final : public DataFile {
 public:
  StdDataFile(std::fstream stream, std::string path) : stream_(std::move(stream)), path_(std::move(path)) {}

  std::optional<std::uint64_t> Size() override {
    if (!stream_.is_open()) return std::nullopt;
    stream_.clear();
    if (!stream_.seekg(0, std::ios::end)) return std::nullopt;
    const std::streamoff end = stream_.tellg();
    if (end < 0) return std::nullopt;
    return static_cast<std::uint64_t>(end);
  }

  bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> bytes) override {
    if (!stream_.is_open()) return false;
    stream_.clear();
    if (!stream_.seekg(static_cast<std::streamoff>(offset))) return false;
    stream_.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return stream_.gcount() == static_cast<std::streamsize>(bytes.size());
  }

  bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
    if (!stream_.is_open()) return false;
    stream_.clear();
    if (!stream_.seekp(static_cast<std::streamoff>(offset))) return false;
    return static_cast<bool>(
        stream_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())));
  }

  // Works through the path: the standard streams cannot cut a file.
  bool Truncate(std::uint64_t size) override {
    if (!stream_.is_open() || !stream_.flush()) return false;
    std::error_code error;
    fs::resize_file(path_, size, error);
    return !error;
  }

  bool Flush() override { return stream_.is_open() && static_cast<bool>(stream_.flush()); }

  bool Close() override {
    if (!stream_.is_open()) return false;
    stream_.close();
    return !stream_.fail();
  }

  std::optional<std::uint32_t> Links() override {
    std::error_code error;
    const std::uintmax_t links = fs::hard_link_count(path_, error);
    if (error) return std::nullopt;
    return static_cast<std::uint32_t>(links);
  }

 private:
  std::fstream stream_;
  std::string path_;
};

std::unique_ptr<DataFile> OpenStream(const std::string& path, std::ios::openmode mode) {
  std::fstream stream(path, mode | std::ios::binary);
  if (!stream.is_open()) return nullptr;
  return std::make_unique<StdDataFile>(std::move(stream), path);
}

}  // namespace

std::unique_ptr<DataFile> StdDataFileAccess::Open(const std::string& path, DataFileMode mode) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return nullptr;
  return OpenStream(path, mode == DataFileMode::ReadOnly ? std::ios::in : std::ios::in | std::ios::out);
}

std::unique_ptr<DataFile> StdDataFileAccess::CreateNew(const std::string& path) {
  std::error_code error;
  if (fs::exists(path, error) || error) return nullptr;
  {
    std::ofstream create(path, std::ios::binary);
    if (!create.is_open()) return nullptr;
  }
  return OpenStream(path, std::ios::in | std::ios::out);
}

std::unique_ptr<DataFile> StdDataFileAccess::CreateSideFile(const std::string& besidePath, std::string& sidePath) {
  static std::mt19937 names{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string candidate = besidePath + ".new" + std::to_string(names() % 1000000);
    if (auto file = CreateNew(candidate)) {
      sidePath = candidate;
      return file;
    }
  }
  return nullptr;
}

bool StdDataFileAccess::Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(path, error) && !fs::is_directory(path, error);
}

std::optional<bool> StdDataFileAccess::SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  if (!fs::exists(a, error) || !fs::exists(b, error)) return std::nullopt;
  const bool same = fs::equivalent(a, b, error);
  if (error) return std::nullopt;
  return same;
}

bool StdDataFileAccess::Replace(const std::string& source, const std::string& target) {
  std::error_code error;
  fs::rename(source, target, error);
  return !error;
}

bool StdDataFileAccess::Remove(const std::string& path) {
  std::error_code error;
  return fs::remove(path, error);
}

}  // namespace wordsnap
