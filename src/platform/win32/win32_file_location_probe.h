#pragma once
// The disk facts behind the choice of where the settings and the program's own
// files live, through the real Win32 API.

#include "core/seam/file_location_probe.h"

namespace wordsnap {

class Win32FileLocationProbe final : public FileLocationProbe {
 public:
  std::string WindowsDirectory() override;
  std::string PerUserFolder() override;
  bool FileExists(const std::string& path) override;
  bool CanWriteFile(const std::string& path) override;
  bool CanWriteFolder(const std::string& folder) override;
  bool CopyWholeFile(const std::string& from, const std::string& to) override;
};

}  // namespace wordsnap
