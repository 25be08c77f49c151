#include "core/store/wordsnap_record.h"

#include <algorithm>
#include <cstring>

namespace wordsnap {
namespace {

void WriteLengthPrefixed(std::string_view text, std::size_t maxLength, std::uint8_t* field) {
  const std::size_t length = std::min(text.size(), maxLength);
  field[0] = static_cast<std::uint8_t>(length);
  std::memcpy(field + 1, text.data(), length);
  std::memset(field + 1 + length, 0, maxLength - length);
}

void ReadLengthPrefixed(const std::uint8_t* field, std::size_t maxLength, std::string& text) {
  const std::size_t length = std::min<std::size_t>(field[0], maxLength);
  text.assign(reinterpret_cast<const char*>(field + 1), length);
}

void WriteU16(std::uint8_t* at, std::uint16_t value) {
  at[0] = static_cast<std::uint8_t>(value & 0xFF);
  at[1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint16_t ReadU16(const std::uint8_t* at) {
  return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

}  // namespace

std::string_view StorableText(std::string_view text) {
  const std::size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  return text.substr(0, kMaxReplacementText);
}

void EncodeRecord(const WordsnapRecord& record, RecordSpan bytes) {
  using namespace record_offset;
  std::uint8_t* out = bytes.data();
  WriteLengthPrefixed(record.PrefixKeys, kMaxPrefixKeys, out + kPrefixKeys);
  WriteLengthPrefixed(record.Name, kMaxNameLength, out + kName);
  out[kActive] = record.Active;
  out[kUnused] = record.Unused[0];
  out[kUnused + 1] = record.Unused[1];

  const std::string_view text = StorableText(record.ReplacementText);
  std::memcpy(out + kReplacementText, text.data(), text.size());
  std::memset(out + kReplacementText + text.size(), 0, kReplacementTextField - text.size());

  out[kViaClipboard] = record.ViaClipboard;
  WriteU16(out + kCaseRule, static_cast<std::uint16_t>(record.CaseRule));
  WriteU16(out + kKeyDelay, record.KeyDelay);
  std::memcpy(out + kReserved, record.Reserved.data(), kReservedSize);
}

RecordBytes EncodeRecord(const WordsnapRecord& record) {
  RecordBytes bytes{};
  EncodeRecord(record, RecordSpan(bytes));
  return bytes;
}

void DecodeRecord(RecordView bytes, WordsnapRecord& record) {
  using namespace record_offset;
  const std::uint8_t* in = bytes.data();
  ReadLengthPrefixed(in + kPrefixKeys, kMaxPrefixKeys, record.PrefixKeys);
  ReadLengthPrefixed(in + kName, kMaxNameLength, record.Name);
  record.Active = in[kActive];
  record.Unused = {in[kUnused], in[kUnused + 1]};

  const char* text = reinterpret_cast<const char*>(in + kReplacementText);
  const void* nul = std::memchr(text, 0, kMaxReplacementText);
  const std::size_t length = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - text) : kMaxReplacementText;
  record.ReplacementText.assign(text, length);

  record.ViaClipboard = in[kViaClipboard];
  record.CaseRule = static_cast<std::int16_t>(ReadU16(in + kCaseRule));
  record.KeyDelay = ReadU16(in + kKeyDelay);
  if (record.KeyDelay > kMaxKeyDelay) record.KeyDelay = 0;
  std::memcpy(record.Reserved.data(), in + kReserved, kReservedSize);
}

WordsnapRecord DecodeRecord(RecordView bytes) {
  WordsnapRecord record;
  DecodeRecord(bytes, record);
  return record;
}

void EncodePrefixKeys(std::string_view prefixKeys, std::span<std::uint8_t, 3> field) {
  WriteLengthPrefixed(prefixKeys, kMaxPrefixKeys, field.data());
}

}  // namespace wordsnap
