#pragma once
// Data-file access over Win32. Files are opened shared for reading, writing and
// deleting, so other copies of the program (on this machine or across the
// network) can use the same data file meanwhile, and can replace it. A replaced
// data file keeps its attributes, creation time, owner and permissions.

#include "core/seam/data_file_access.h"

namespace wordsnap {

class Win32DataFileAccess final : public DataFileAccess {
 public:
  std::unique_ptr<DataFile> Open(const std::string& path, DataFileMode mode) override;
  std::unique_ptr<DataFile> CreateNew(const std::string& path) override;
  std::unique_ptr<DataFile> CreateSideFile(const std::string& besidePath, std::string& sidePath) override;
  bool Exists(const std::string& path) override;
  std::optional<bool> SameFile(const std::string& a, const std::string& b) override;
  bool Replace(const std::string& source, const std::string& target) override;
  bool Remove(const std::string& path) override;
};

}  // namespace wordsnap
