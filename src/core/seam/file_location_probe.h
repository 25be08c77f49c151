#pragma once
// What the program needs to know about the disk to decide where its settings file
// and the files it creates itself live. The program implements it over Win32;
// native tests use a fake.

#include <string>

namespace wordsnap {

class FileLocationProbe {
 public:
  virtual ~FileLocationProbe() = default;

  // The Windows directory, without a trailing backslash.
  virtual std::string WindowsDirectory() = 0;
  // The per-user folder for the program's own files (created when missing), without
  // a trailing backslash; empty when there is none.
  virtual std::string PerUserFolder() = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // Whether the file could be written (or created, when missing) here, found out
  // without changing it.
  virtual bool CanWriteFile(const std::string& path) = 0;
  // Whether a new file could be created in the folder, found out without leaving one.
  virtual bool CanWriteFolder(const std::string& folder) = 0;
  // A byte copy; false when it could not be made.
  virtual bool CopyWholeFile(const std::string& from, const std::string& to) = 0;
};

}  // namespace wordsnap
