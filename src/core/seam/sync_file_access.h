#pragma once
// The file operations the sync logic needs, behind a small interface of our own.
// The program implements it over Win32; native tests use a fake.
//
// Every access to the sync file goes through one exclusive open: while a copy has
// it open, no other process can open it at all. A lock attempt reads, decides and
// writes within that one open, so two copies can never both see the lock free.

#include <memory>
#include <optional>
#include <string>

#include "core/sync/sync_record.h"

namespace wordsnap {

// The sync file, open for this process alone. Closed when destroyed.
class SyncFile {
 public:
  virtual ~SyncFile() = default;
  // The file's first 14 bytes; nothing when it is shorter or cannot be read.
  virtual std::optional<SyncBytes> ReadRecord() = 0;
  // Makes the file hold exactly these 14 bytes; false when that failed.
  virtual bool WriteRecord(const SyncBytes& bytes) = 0;
};

enum class SyncOpenStatus {
  Opened,       // an existing file
  Created,      // the file did not exist and has been created empty
  Missing,      // the file does not exist and cannot be created
  Unavailable,  // the file exists but cannot be opened
  Busy,         // another process kept it open for longer than the access waits
};

struct SyncOpen {
  SyncOpenStatus status = SyncOpenStatus::Unavailable;
  std::unique_ptr<SyncFile> file;  // set for Opened and Created
};

class SyncFileAccess {
 public:
  virtual ~SyncFileAccess() = default;
  // Opens the sync file exclusively for reading and writing, creating it when it
  // is missing; a file that cannot be written is opened for reading only (its
  // writes then fail). While another process has it open, waits a short, bounded
  // while for it before answering Busy.
  virtual SyncOpen OpenExclusive(const std::string& path) = 0;
};

}  // namespace wordsnap
