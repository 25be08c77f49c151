#include "platform/win32/win32_sync_file.h"

#include <windows.h>

namespace wordsnap {
namespace {

// The byte range every copy locks while it has the sync file open. Share modes
// alone keep copies apart only where one file server sees every open; a byte-range
// lock also holds where copies reach the file through different servers. The range
// lies past the record, so a reader that does not lock is never refused a read.
constexpr DWORD kLockOffsetHigh = 1;  // 4 GiB into the file
constexpr DWORD kLockLength = 1;

OVERLAPPED LockRange() {
  OVERLAPPED range{};
  range.OffsetHigh = kLockOffsetHigh;
  return range;
}

enum class RangeLock { Taken, Busy, Unsupported };

RangeLock LockForAttempt(HANDLE handle) {
  OVERLAPPED range = LockRange();
  if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, kLockLength, 0, &range)) {
    return RangeLock::Taken;
  }
  const DWORD error = GetLastError();
  // Without byte-range locks on the file system the exclusive open still holds.
  return error == ERROR_LOCK_VIOLATION || error == ERROR_SHARING_VIOLATION ? RangeLock::Busy : RangeLock::Unsupported;
}

class Win32SyncFile final : public SyncFile {
 public:
  Win32SyncFile(HANDLE handle, bool locked) : handle_(handle), locked_(locked) {}
  ~Win32SyncFile() override {
    if (locked_) {
      // Released before the close: a close frees locks only in its own time.
      OVERLAPPED range = LockRange();
      UnlockFileEx(handle_, 0, kLockLength, 0, &range);
    }
    CloseHandle(handle_);
  }
  Win32SyncFile(const Win32SyncFile&) = delete;
  Win32SyncFile& operator=(const Win32SyncFile&) = delete;

  std::optional<SyncBytes> ReadRecord() override {
    if (!SeekToStart()) return std::nullopt;
    SyncBytes bytes{};
    DWORD total = 0;
    while (total < bytes.size()) {
      DWORD got = 0;
      if (!ReadFile(handle_, bytes.data() + total, static_cast<DWORD>(bytes.size()) - total, &got, nullptr)) {
        return std::nullopt;
      }
      if (got == 0) return std::nullopt;  // the file is shorter than a record
      total += got;
    }
    return bytes;
  }

  bool WriteRecord(const SyncBytes& bytes) override {
    // Written over the old record, then cut after it: the file never stands empty.
    if (!SeekToStart()) return false;
    DWORD total = 0;
    while (total < bytes.size()) {
      DWORD put = 0;
      if (!WriteFile(handle_, bytes.data() + total, static_cast<DWORD>(bytes.size()) - total, &put, nullptr) ||
          put == 0) {
        return false;
      }
      total += put;
    }
    // The lock must have reached the file server before the attempt ends.
    return SetEndOfFile(handle_) && FlushFileBuffers(handle_);
  }

 private:
  bool SeekToStart() {
    LARGE_INTEGER start{};
    return SetFilePointerEx(handle_, start, nullptr, FILE_BEGIN);
  }

  HANDLE handle_;
  bool locked_;
};

bool IsSharingError(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }

bool IsNotFound(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

HANDLE OpenAlone(const std::string& path, DWORD access, DWORD disposition) {
  return CreateFileA(path.c_str(), access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

SyncOpen Opened(HANDLE handle, SyncOpenStatus status, bool locked) {
  return {status, std::make_unique<Win32SyncFile>(handle, locked)};
}

}  // namespace

Win32SyncFileAccess::Win32SyncFileAccess(unsigned busyWaitMilliseconds)
    : busyWaitMilliseconds_(busyWaitMilliseconds),
      jitter_(static_cast<unsigned>(GetCurrentProcessId()) * 2654435761u ^ static_cast<unsigned>(GetTickCount())) {}

unsigned Win32SyncFileAccess::RetryPause() {
  // Copies that collide wait different times, so they do not collide again.
  jitter_ ^= jitter_ << 13;
  jitter_ ^= jitter_ >> 17;
  jitter_ ^= jitter_ << 5;
  return 1 + jitter_ % 4;
}

SyncOpen Win32SyncFileAccess::OpenExclusive(const std::string& path) {
  const DWORD start = GetTickCount();
  for (unsigned attempt = 0;; ++attempt) {
    HANDLE handle = OpenAlone(path, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
    DWORD error = GetLastError();
    if (handle != INVALID_HANDLE_VALUE) {
      const SyncOpenStatus status = error == ERROR_ALREADY_EXISTS ? SyncOpenStatus::Opened : SyncOpenStatus::Created;
      const RangeLock lock = LockForAttempt(handle);
      if (lock != RangeLock::Busy) return Opened(handle, status, lock == RangeLock::Taken);
      CloseHandle(handle);
      error = ERROR_LOCK_VIOLATION;
    } else if (error == ERROR_ACCESS_DENIED) {
      // A sync file that may be read but not written: read it, and let writes fail.
      handle = OpenAlone(path, GENERIC_READ, OPEN_EXISTING);
      error = GetLastError();
      if (handle != INVALID_HANDLE_VALUE) return Opened(handle, SyncOpenStatus::Opened, false);
      if (IsNotFound(error)) return {SyncOpenStatus::Missing, nullptr};
    }
    if (!IsSharingError(error)) {
      return {IsNotFound(error) ? SyncOpenStatus::Missing : SyncOpenStatus::Unavailable, nullptr};
    }
    if (GetTickCount() - start >= busyWaitMilliseconds_) return {SyncOpenStatus::Busy, nullptr};
    // The first retries only yield: the other process's open lasts microseconds.
    Sleep(attempt < 4 ? 0 : RetryPause());
  }
}

double Win32LocalClock::Now() const {
  SYSTEMTIME time{};
  GetLocalTime(&time);
  return DaysSince1899(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond,
                       time.wMilliseconds);
}

}  // namespace wordsnap
