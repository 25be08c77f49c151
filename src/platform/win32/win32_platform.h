#pragma once
// The platform seam over the real Win32 API.

#include "platform/platform.h"

namespace wordsnap {

class Win32Platform final : public Platform {
 public:
  std::string ReadProfileValue(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& fallback,
                                std::size_t bufferSize) override;
  void WriteProfileValue(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& value) override;
};

}  // namespace wordsnap
