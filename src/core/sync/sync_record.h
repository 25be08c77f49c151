#pragma once
// The sync file that lies beside a shared data file: one 14-byte little-endian
// record with the change counter, the lock state and the lock holder's last
// heartbeat. Copies of the program on several machines read and write it, so the
// layout is fixed byte for byte.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace wordsnap {

inline constexpr std::size_t kSyncRecordSize = 14;

// Byte offsets of the fields inside the sync record.
namespace sync_offset {
inline constexpr std::size_t kChangeCount = 0;  // int32
inline constexpr std::size_t kLockState = 4;    // int16
inline constexpr std::size_t kLockTime = 6;     // IEEE 754 double
}  // namespace sync_offset

inline constexpr std::int16_t kLockHeld = 1;
inline constexpr std::int16_t kLockFree = 2;  // any value but kLockHeld reads as free
inline constexpr std::int32_t kFirstChangeCount = 1;

struct SyncRecord {
  std::int32_t ChangeCount = 0;  // raised by one by each change of the data file
  std::int16_t LockState = 0;    // kLockHeld while a copy holds the lock
  double LockTime = 0;           // local date-time of the holder's last heartbeat, days since 30 Dec 1899

  bool Held() const { return LockState == kLockHeld; }
};

using SyncBytes = std::array<std::uint8_t, kSyncRecordSize>;

SyncBytes EncodeSyncRecord(const SyncRecord& record);

// Reads the record from the first 14 bytes; nothing when there are fewer. Bytes
// after the record are ignored.
std::optional<SyncRecord> DecodeSyncRecord(std::span<const std::uint8_t> bytes);

// Two lock times are the same heartbeat when their bits are equal, so that even a
// damaged value (a NaN) is recognised when it is seen again.
bool SameLockTime(double a, double b);

// The sync file of a data file: its path with the last three characters replaced
// by "WSY" (KEY.WSN gives KEY.WSY).
std::string SyncFileNameFor(std::string_view dataFilePath);

}  // namespace wordsnap
