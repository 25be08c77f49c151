#pragma once
// One Wordsnap as stored in a data file, and its fixed 3039-byte little-endian
// layout. Records are encoded and decoded field by field at explicit offsets;
// decoding never trusts a length byte or looks past the record.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/case_rule.h"

namespace wordsnap {

inline constexpr std::size_t kRecordSize = 3039;

inline constexpr std::size_t kMaxPrefixKeys = 2;
inline constexpr std::size_t kMaxNameLength = 10;
inline constexpr std::size_t kMaxReplacementText = 3000;
inline constexpr std::uint16_t kMaxKeyDelay = 10000;
inline constexpr std::size_t kReservedSize = 16;

// Byte offsets of the fields inside a record.
namespace record_offset {
inline constexpr std::size_t kPrefixKeys = 0;       // length byte + 2 characters
inline constexpr std::size_t kName = 3;             // length byte + 10 characters
inline constexpr std::size_t kActive = 14;          // uint8
inline constexpr std::size_t kUnused = 15;          // 2 bytes nobody interprets
inline constexpr std::size_t kReplacementText = 17; // 3001 bytes, NUL-terminated
inline constexpr std::size_t kViaClipboard = 3018;  // uint8
inline constexpr std::size_t kCaseRule = 3019;      // int16
inline constexpr std::size_t kKeyDelay = 3021;      // uint16
inline constexpr std::size_t kReserved = 3023;      // 16 zero bytes
}  // namespace record_offset

inline constexpr std::size_t kReplacementTextField = record_offset::kViaClipboard - record_offset::kReplacementText;


struct WordsnapRecord {
  std::string PrefixKeys;  // the file's prefix keys; only record 1's copy counts
  std::string Name;
  std::uint8_t Active = 0;
  std::array<std::uint8_t, 2> Unused{};  // carried through unchanged, never interpreted
  std::string ReplacementText;
  std::uint8_t ViaClipboard = 0;
  std::int16_t CaseRule = 0;
  std::uint16_t KeyDelay = 0;
  std::array<std::uint8_t, kReservedSize> Reserved{};

  bool operator==(const WordsnapRecord&) const = default;
};

// How a record's send-method byte is read everywhere (the editor's menu, the options
// dialog, playback): 1 is the clipboard; 0, and any other value a damaged or foreign
// file may hold, the keyboard. The byte itself is kept as stored.
inline constexpr bool SendsViaClipboard(std::uint8_t viaClipboard) { return viaClipboard == 1; }

// The store's single exchange point: one record and its 1-based number in the file.
struct CurrentRecordBuffer {
  WordsnapRecord Record;
  std::int32_t RecordNo = 0;
};

using RecordBytes = std::array<std::uint8_t, kRecordSize>;
using RecordView = std::span<const std::uint8_t, kRecordSize>;
using RecordSpan = std::span<std::uint8_t, kRecordSize>;

// The text as a record can hold it: up to its first NUL, at most 3000 characters.
std::string_view StorableText(std::string_view text);

// Writes every byte of the record: texts are cut to their maximum, the bytes after
// a text are zero, and everything else is written as the record holds it.
void EncodeRecord(const WordsnapRecord& record, RecordSpan bytes);
RecordBytes EncodeRecord(const WordsnapRecord& record);

// Reads a record, however damaged: a length byte above its maximum reads as the
// maximum, a text without a NUL ends after 3000 characters, and a key delay above
// 10000 reads as 0.
WordsnapRecord DecodeRecord(RecordView bytes);
void DecodeRecord(RecordView bytes, WordsnapRecord& into);

// Writes just the prefix-keys field (length byte and two characters).
void EncodePrefixKeys(std::string_view prefixKeys, std::span<std::uint8_t, 3> field);

}  // namespace wordsnap
