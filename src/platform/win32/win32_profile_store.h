#pragma once
// Profile (INI) files through the real Win32 API.

#include "core/seam/profile_store.h"

namespace wordsnap {

class Win32ProfileStore final : public ProfileStore {
 public:
  std::string ReadProfileValue(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& fallback,
                                std::size_t bufferSize) override;
  bool WriteProfileValue(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& value) override;
};

}  // namespace wordsnap
