#include "hint_mapping_access.h"

#include <windows.h>

#include <array>
#include <cstring>

namespace wordsnap {

std::optional<HintContent> ReadHintFromMapping() {
  HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, kHintMappingName);
  if (!mapping) return std::nullopt;
  std::optional<HintContent> content;
  if (const void* view = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, kHintMappingSize)) {
    // Copy first: the main program may write the next hint while we read.
    std::array<unsigned char, kHintMappingSize> bytes;
    std::memcpy(bytes.data(), view, bytes.size());
    UnmapViewOfFile(view);
    content = ReadHintMapping(bytes);
  }
  CloseHandle(mapping);
  return content;
}

}  // namespace wordsnap
