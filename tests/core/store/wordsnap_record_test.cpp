#include "core/store/wordsnap_record.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wordsnap {
namespace {

WordsnapRecord FullRecord() {
  WordsnapRecord record;
  record.PrefixKeys = ";;";
  record.Name = "signature1";
  record.Active = 1;
  record.Unused = {0xAB, 0xCD};
  record.ReplacementText = std::string(2999, 'x') + "y";
  record.ViaClipboard = 1;
  record.CaseRule = 0x0203;
  record.KeyDelay = 0x2710;  // 10000
  for (std::size_t i = 0; i < kReservedSize; ++i) record.Reserved[i] = static_cast<std::uint8_t>(i + 1);
  return record;
}

TEST(WordsnapRecordLayout, EachFieldIsAtItsOffsetLittleEndian) {
  WordsnapRecord record;
  record.PrefixKeys = "#";
  record.Name = "sig";
  record.Active = 1;
  record.Unused = {0x11, 0x22};
  record.ReplacementText = "Regards";
  record.ViaClipboard = 1;
  record.CaseRule = 3;
  record.KeyDelay = 0x1234;
  record.Reserved[0] = 0x77;
  record.Reserved[15] = 0x88;
  const RecordBytes bytes = EncodeRecord(record);
  ASSERT_EQ(bytes.size(), 3039u);

  struct Expected {
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
  };
  const Expected table[] = {
      {0, {1, '#', 0}},                                      // prefix keys: length, characters, zero fill
      {3, {3, 's', 'i', 'g', 0, 0, 0, 0, 0, 0, 0}},          // name
      {14, {1}},                                             // active
      {15, {0x11, 0x22}},                                    // the two uninterpreted bytes
      {17, {'R', 'e', 'g', 'a', 'r', 'd', 's', 0, 0}},      // text, NUL, zero fill
      {3017, {0}},                                           // last byte of the text field
      {3018, {1}},                                           // via clipboard
      {3019, {3, 0}},                                        // case rule, int16
      {3021, {0x34, 0x12}},                                  // key delay, uint16
      {3023, {0x77, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x88}},  // reserved
  };
  for (const auto& field : table) {
    std::vector<std::uint8_t> actual(bytes.begin() + field.offset, bytes.begin() + field.offset + field.bytes.size());
    EXPECT_EQ(actual, field.bytes) << "at offset " << field.offset;
  }
}

TEST(WordsnapRecordLayout, FullRecordSurvivesARoundTrip) {
  const WordsnapRecord record = FullRecord();
  EXPECT_EQ(DecodeRecord(EncodeRecord(record)), record);

  WordsnapRecord negative = record;
  negative.CaseRule = -2;
  EXPECT_EQ(DecodeRecord(EncodeRecord(negative)).CaseRule, -2);
}

TEST(WordsnapRecordLayout, TextsAreCutToTheirFields) {
  WordsnapRecord record;
  record.PrefixKeys = "abc";
  record.Name = "twelve_chars";
  record.ReplacementText = std::string(3005, 'z');
  const RecordBytes bytes = EncodeRecord(record);
  EXPECT_EQ(bytes[0], 2);
  EXPECT_EQ(bytes[3], 10);
  EXPECT_EQ(bytes[17 + 2999], 'z');
  EXPECT_EQ(bytes[17 + 3000], 0) << "the text field always ends with a NUL";

  const WordsnapRecord decoded = DecodeRecord(bytes);
  EXPECT_EQ(decoded.PrefixKeys, "ab");
  EXPECT_EQ(decoded.Name, "twelve_cha");
  EXPECT_EQ(decoded.ReplacementText, std::string(3000, 'z'));
}

TEST(WordsnapRecordLayout, TextWithAnInnerNulIsStoredUpToIt) {
  WordsnapRecord record;
  record.ReplacementText = std::string("abc\0def", 7);
  const WordsnapRecord decoded = DecodeRecord(EncodeRecord(record));
  EXPECT_EQ(decoded.ReplacementText, "abc");
}

TEST(WordsnapRecordDecode, DamagedFieldsAreReadWithinTheirBounds) {
  struct Case {
    const char* what;
    void (*damage)(RecordBytes&);
    void (*check)(const WordsnapRecord&);
  };
  const Case cases[] = {
      {"prefix length byte above 2", [](RecordBytes& b) { b[0] = 200; b[1] = 'p'; b[2] = 'q'; },
       [](const WordsnapRecord& r) { EXPECT_EQ(r.PrefixKeys, "pq"); }},
      {"name length byte above 10", [](RecordBytes& b) { b[3] = 255; for (int i = 4; i < 14; ++i) b[i] = 'n'; },
       [](const WordsnapRecord& r) { EXPECT_EQ(r.Name, std::string(10, 'n')); }},
      {"text without a NUL", [](RecordBytes& b) { for (int i = 17; i < 3018; ++i) b[i] = 't'; },
       [](const WordsnapRecord& r) { EXPECT_EQ(r.ReplacementText, std::string(3000, 't')); }},
      {"key delay above 10000", [](RecordBytes& b) { b[3021] = 0x20; b[3022] = 0x4E; },  // 20000
       [](const WordsnapRecord& r) { EXPECT_EQ(r.KeyDelay, 0); }},
      {"key delay of exactly 10000", [](RecordBytes& b) { b[3021] = 0x10; b[3022] = 0x27; },
       [](const WordsnapRecord& r) { EXPECT_EQ(r.KeyDelay, 10000); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RecordBytes bytes{};
    c.damage(bytes);
    c.check(DecodeRecord(bytes));
  }
}

TEST(WordsnapRecordLayout, PrefixKeysFieldAlone) {
  std::array<std::uint8_t, 3> field{9, 9, 9};
  EncodePrefixKeys("x", field);
  EXPECT_EQ(field, (std::array<std::uint8_t, 3>{1, 'x', 0}));
  EncodePrefixKeys("", field);
  EXPECT_EQ(field, (std::array<std::uint8_t, 3>{0, 0, 0}));
}

}  // namespace
}  // namespace wordsnap
