#include "platform/win32/win32_profile_store.h"

#include <windows.h>

#include <vector>

namespace wordsnap {

std::string Win32ProfileStore::ReadProfileValue(const std::string& file, const std::string& section,
                                             const std::string& key, const std::string& fallback,
                                             std::size_t bufferSize) {
  if (bufferSize == 0) return {};
  std::vector<char> buffer(bufferSize, '\0');
  DWORD got = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                       static_cast<DWORD>(bufferSize), file.c_str());
  if (got >= bufferSize) got = static_cast<DWORD>(bufferSize - 1);
  return std::string(buffer.data(), got);
}

bool Win32ProfileStore::WriteProfileValue(const std::string& file, const std::string& section,
                                       const std::string& key, const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

}  // namespace wordsnap
