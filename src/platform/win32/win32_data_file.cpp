#include "platform/win32/win32_data_file.h"

#include <windows.h>

#include <algorithm>

#include "core/paths.h"

namespace wordsnap {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Largest piece handed to one ReadFile or WriteFile call.
constexpr std::size_t kMaxPiece = 1u << 30;

OVERLAPPED At(std::uint64_t offset) {
  OVERLAPPED overlapped{};
  overlapped.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
  overlapped.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return overlapped;
}

class Win32DataFile final : public DataFile {
 public:
  explicit Win32DataFile(HANDLE handle) : handle_(handle) {}
  ~Win32DataFile() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  Win32DataFile(const Win32DataFile&) = delete;
  Win32DataFile& operator=(const Win32DataFile&) = delete;

  std::optional<std::uint64_t> Size() override {
    LARGE_INTEGER size;
    if (handle_ == INVALID_HANDLE_VALUE || !GetFileSizeEx(handle_, &size)) return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
  }

  bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> bytes) override {
    if (handle_ == INVALID_HANDLE_VALUE) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
      const auto piece = static_cast<DWORD>(std::min(bytes.size() - done, kMaxPiece));
      OVERLAPPED overlapped = At(offset + done);
      DWORD got = 0;
      if (!ReadFile(handle_, bytes.data() + done, piece, &got, &overlapped) || got == 0) return false;
      done += got;
    }
    return true;
  }

  bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) override {
    if (handle_ == INVALID_HANDLE_VALUE) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
      const auto piece = static_cast<DWORD>(std::min(bytes.size() - done, kMaxPiece));
      OVERLAPPED overlapped = At(offset + done);
      DWORD put = 0;
      if (!WriteFile(handle_, bytes.data() + done, piece, &put, &overlapped) || put == 0) return false;
      done += put;
    }
    return true;
  }

  bool Truncate(std::uint64_t size) override {
    if (handle_ == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(size);
    return SetFilePointerEx(handle_, position, nullptr, FILE_BEGIN) && SetEndOfFile(handle_);
  }

  bool Flush() override { return handle_ != INVALID_HANDLE_VALUE && FlushFileBuffers(handle_); }

  bool Close() override {
    if (handle_ == INVALID_HANDLE_VALUE) return false;
    const BOOL closed = CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed != FALSE;
  }

  std::optional<std::uint32_t> Links() override {
    BY_HANDLE_FILE_INFORMATION info;
    if (handle_ == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle_, &info)) return std::nullopt;
    return static_cast<std::uint32_t>(info.nNumberOfLinks);
  }

 private:
  HANDLE handle_;
};

std::unique_ptr<DataFile> OpenHandle(const std::string& path, DWORD access, DWORD disposition) {
  HANDLE handle = CreateFileA(path.c_str(), access, kShareAll, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32DataFile>(handle);
}

// The volume and the file's number on it: the same for every name of one file.
struct FileIdentity {
  DWORD volume = 0;
  DWORD indexHigh = 0;
  DWORD indexLow = 0;
  bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> IdentityOf(const std::string& path) {
  // No access asked for: enough to read the file's information, whoever holds it open.
  HANDLE handle = CreateFileA(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info;
  const BOOL read = GetFileInformationByHandle(handle, &info);
  CloseHandle(handle);
  if (!read) return std::nullopt;
  return FileIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

std::string FolderOf(const std::string& path) {
  const PathParts parts = SplitPath(path);
  if (!parts.hasFolder) return ".";
  return parts.folder.empty() ? path.substr(0, 1) : std::string(parts.folder);  // "\name": the root
}

}  // namespace

std::unique_ptr<DataFile> Win32DataFileAccess::Open(const std::string& path, DataFileMode mode) {
  const DWORD access = mode == DataFileMode::ReadOnly ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
  return OpenHandle(path, access, OPEN_EXISTING);
}

std::unique_ptr<DataFile> Win32DataFileAccess::CreateNew(const std::string& path) {
  return OpenHandle(path, GENERIC_READ | GENERIC_WRITE, CREATE_NEW);
}

std::unique_ptr<DataFile> Win32DataFileAccess::CreateSideFile(const std::string& besidePath, std::string& sidePath) {
  // GetTempFileNameA makes an empty file of a unique name in the folder.
  char name[MAX_PATH];
  if (GetTempFileNameA(FolderOf(besidePath).c_str(), "wsn", 0, name) == 0) return nullptr;
  auto file = OpenHandle(name, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING);
  if (!file) {
    DeleteFileA(name);
    return nullptr;
  }
  sidePath = name;
  return file;
}

bool Win32DataFileAccess::Exists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<bool> Win32DataFileAccess::SameFile(const std::string& a, const std::string& b) {
  const std::optional<FileIdentity> first = IdentityOf(a);
  const std::optional<FileIdentity> second = IdentityOf(b);
  if (!first || !second) return std::nullopt;
  return *first == *second;
}

bool Win32DataFileAccess::Replace(const std::string& source, const std::string& target) {
  // ReplaceFileA gives the new contents the old file's attributes, creation time,
  // owner and permissions. The old file steps aside under a backup name first, so
  // that a replace which stops half way can be undone; it is deleted at the end.
  const std::string backup = source + ".old";
  if (ReplaceFileA(target.c_str(), source.c_str(), backup.c_str(), 0, nullptr, nullptr)) {
    DeleteFileA(backup.c_str());
    return true;
  }
  if (GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
    // The old file already stands under the backup name: it goes back to its own.
    MoveFileExA(backup.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
  }
  return false;
}

bool Win32DataFileAccess::Remove(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

}  // namespace wordsnap
