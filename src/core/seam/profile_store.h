#pragma once
// Profile (INI) file access, as the settings file needs it. The program implements
// it over Win32; native tests use a recording fake.

#include <cstddef>
#include <string>

namespace wordsnap {

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;

  // Profile (INI) file access. A bare file name places the file in the Windows
  // directory. The value read is cut to bufferSize - 1 characters, as a
  // fixed-size read buffer would cut it.
  virtual std::string ReadProfileValue(const std::string& file, const std::string& section,
                                        const std::string& key, const std::string& fallback,
                                        std::size_t bufferSize) = 0;
  // False when the value could not be written.
  virtual bool WriteProfileValue(const std::string& file, const std::string& section,
                                  const std::string& key, const std::string& value) = 0;
};

}  // namespace wordsnap
