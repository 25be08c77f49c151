#include "core/store/record_positions.h"

#include <algorithm>
#include <vector>

namespace wordsnap {

bool CopyBytes(DataFile& from, std::uint64_t fromOffset, DataFile& to, std::uint64_t toOffset, std::uint64_t count) {
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min(count, kRecordsPerChunk * kRecordSize)));
  for (std::uint64_t done = 0; done < count;) {
    const auto piece = static_cast<std::size_t>(std::min<std::uint64_t>(count - done, buffer.size()));
    std::span<std::uint8_t> bytes(buffer.data(), piece);
    if (!from.ReadAt(fromOffset + done, bytes)) return false;
    if (!to.WriteAt(toOffset + done, bytes)) return false;
    done += piece;
  }
  return true;
}

}  // namespace wordsnap
