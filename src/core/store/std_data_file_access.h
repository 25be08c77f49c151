#pragma once
// Data-file access over the C++ standard library, for native use (tests and
// benchmarks on real files). Its Flush hands the data to the operating system but
// does not wait for the disk; the program's own implementation does.

#include "core/seam/data_file_access.h"

namespace wordsnap {

class StdDataFileAccess final : public DataFileAccess {
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
