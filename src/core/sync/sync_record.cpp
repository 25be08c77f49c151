#include "core/sync/sync_record.h"

#include <bit>

namespace wordsnap {
namespace {

void PutLittleEndian(std::uint64_t value, std::size_t size, std::uint8_t* out) {
  for (std::size_t i = 0; i < size; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint64_t GetLittleEndian(const std::uint8_t* in, std::size_t size) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < size; ++i) value |= static_cast<std::uint64_t>(in[i]) << (8 * i);
  return value;
}

}  // namespace

SyncBytes EncodeSyncRecord(const SyncRecord& record) {
  SyncBytes bytes{};
  PutLittleEndian(static_cast<std::uint32_t>(record.ChangeCount), 4, bytes.data() + sync_offset::kChangeCount);
  PutLittleEndian(static_cast<std::uint16_t>(record.LockState), 2, bytes.data() + sync_offset::kLockState);
  PutLittleEndian(std::bit_cast<std::uint64_t>(record.LockTime), 8, bytes.data() + sync_offset::kLockTime);
  return bytes;
}

std::optional<SyncRecord> DecodeSyncRecord(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kSyncRecordSize) return std::nullopt;
  SyncRecord record;
  record.ChangeCount = static_cast<std::int32_t>(
      static_cast<std::uint32_t>(GetLittleEndian(bytes.data() + sync_offset::kChangeCount, 4)));
  record.LockState = static_cast<std::int16_t>(
      static_cast<std::uint16_t>(GetLittleEndian(bytes.data() + sync_offset::kLockState, 2)));
  record.LockTime = std::bit_cast<double>(GetLittleEndian(bytes.data() + sync_offset::kLockTime, 8));
  return record;
}

bool SameLockTime(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

std::string SyncFileNameFor(std::string_view dataFilePath) {
  const std::size_t keep = dataFilePath.size() >= 3 ? dataFilePath.size() - 3 : 0;
  return std::string(dataFilePath.substr(0, keep)) + "WSY";
}

}  // namespace wordsnap
