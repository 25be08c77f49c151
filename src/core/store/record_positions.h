#pragma once
// Where records lie in a data file, and copying runs of bytes between files in
// large pieces.

#include <cstdint>

#include "core/seam/data_file_access.h"
#include "core/store/wordsnap_record.h"

namespace wordsnap {

// Records moved or read per file call. The buffer stays small (24 KB): what a
// program's heap once held it mostly keeps, and loading or deleting should not
// leave the program holding memory it no longer uses.
inline constexpr std::uint64_t kRecordsPerChunk = 8;

inline std::uint64_t RecordOffset(std::int32_t recordNo) {
  return static_cast<std::uint64_t>(recordNo - 1) * kRecordSize;
}

inline bool IsRecordInFile(std::int32_t recordNo, std::uint64_t wholeRecords) {
  return recordNo >= 1 && static_cast<std::uint64_t>(recordNo) <= wholeRecords;
}

// Copies count bytes from one file to another.
bool CopyBytes(DataFile& from, std::uint64_t fromOffset, DataFile& to, std::uint64_t toOffset, std::uint64_t count);

}  // namespace wordsnap
