#pragma once
// The file operations the store needs, behind a small interface of our own. The
// program implements it over Win32; native tests use an in-memory fake that can
// fail at any chosen step, and the standard-library version works on real files.
//
// Every data file is opened shared for reading and writing with other processes:
// other copies of the program may use the same file at the same time.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace wordsnap {

enum class DataFileMode { ReadOnly, ReadWrite };

// One open file. Each call either does all it was asked or returns false.
class DataFile {
 public:
  virtual ~DataFile() = default;  // closes the file if still open, ignoring errors

  virtual std::optional<std::uint64_t> Size() = 0;
  // Reads exactly bytes.size() bytes at offset; a short read is a failure.
  virtual bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> bytes) = 0;
  virtual bool WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes) = 0;
  virtual bool Truncate(std::uint64_t size) = 0;
  // Pushes what was written to the disk itself.
  virtual bool Flush() = 0;
  virtual bool Close() = 0;
  // How many names (hard links) the file has; nothing when that cannot be told.
  virtual std::optional<std::uint32_t> Links() = 0;
};

class DataFileAccess {
 public:
  virtual ~DataFileAccess() = default;

  // Opens an existing file; null when it is missing or cannot be opened.
  virtual std::unique_ptr<DataFile> Open(const std::string& path, DataFileMode mode) = 0;
  // Creates a new empty file, open for reading and writing; null when a file of
  // that name exists already (it is never emptied) or it cannot be created.
  virtual std::unique_ptr<DataFile> CreateNew(const std::string& path) = 0;
  // Creates a new empty file of a name of its own in the folder of besidePath,
  // open for reading and writing, and tells its path.
  virtual std::unique_ptr<DataFile> CreateSideFile(const std::string& besidePath, std::string& sidePath) = 0;
  // True when a file (not a folder) of that name exists.
  virtual bool Exists(const std::string& path) = 0;
  // Whether two names lead to the same file, told by the files themselves (so a
  // name spelt otherwise, a short name or another hard link is caught); nothing
  // when either cannot be found or identified.
  virtual std::optional<bool> SameFile(const std::string& a, const std::string& b) = 0;
  // Puts the closed file source in the place of target in one step: whoever opens
  // target sees either the old file or the new one, never a mixture. The file
  // keeps what the program's own implementation can carry over of target's
  // identity (attributes, creation time, owner and permissions). False, with
  // target as it was, when it could not be done.
  virtual bool Replace(const std::string& source, const std::string& target) = 0;
  virtual bool Remove(const std::string& path) = 0;
};

}  // namespace wordsnap
