#include "core/sync/sync_record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "core/sync/heartbeat_age.h"
#include "core/sync/sync_clock.h"

namespace wordsnap {
namespace {

SyncBytes Bytes(std::initializer_list<int> values) {
  SyncBytes bytes{};
  std::size_t i = 0;
  for (int value : values) bytes.at(i++) = static_cast<std::uint8_t>(value);
  return bytes;
}

TEST(SyncRecordLayout, FieldsSitAtTheirOffsetsLittleEndian) {
  struct Case {
    SyncRecord record;
    SyncBytes bytes;
  };
  const Case cases[] = {
      {{0x01020304, 1, 36526.5}, Bytes({0x04, 0x03, 0x02, 0x01, 0x01, 0x00, 0, 0, 0, 0, 0xd0, 0xd5, 0xe1, 0x40})},
      {{-2, -3, -1.25}, Bytes({0xfe, 0xff, 0xff, 0xff, 0xfd, 0xff, 0, 0, 0, 0, 0, 0, 0xf4, 0xbf})},
      {{1, 2, 0.0}, Bytes({0x01, 0, 0, 0, 0x02, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncodeSyncRecord(c.record), c.bytes) << c.record.ChangeCount;
    const std::optional<SyncRecord> decoded = DecodeSyncRecord(c.bytes);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->ChangeCount, c.record.ChangeCount);
    EXPECT_EQ(decoded->LockState, c.record.LockState);
    EXPECT_TRUE(SameLockTime(decoded->LockTime, c.record.LockTime));
  }
}

TEST(SyncRecordLayout, ShortInputReadsAsNothingAndLongerInputReadsItsFirstRecord) {
  const SyncBytes record = EncodeSyncRecord({7, 1, 45000.25});
  for (std::size_t size = 0; size < kSyncRecordSize; ++size) {
    const std::vector<std::uint8_t> shorter(record.begin(), record.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_FALSE(DecodeSyncRecord(shorter).has_value()) << size << " bytes";
  }
  std::vector<std::uint8_t> longer(record.begin(), record.end());
  longer.insert(longer.end(), {0xff, 0xff, 0xff});
  const std::optional<SyncRecord> decoded = DecodeSyncRecord(longer);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->ChangeCount, 7);
  EXPECT_TRUE(decoded->Held());
}

TEST(SyncRecordLayout, OnlyStateOneIsHeld) {
  for (std::int16_t state : {0, 2, 3, -1, 257}) EXPECT_FALSE((SyncRecord{1, state, 0}).Held()) << state;
  EXPECT_TRUE((SyncRecord{1, 1, 0}).Held());
}

TEST(SyncRecordLayout, LockTimesCompareByTheirBits) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_TRUE(SameLockTime(nan, nan));
  EXPECT_TRUE(SameLockTime(45000.5, 45000.5));
  EXPECT_FALSE(SameLockTime(45000.5, std::nextafter(45000.5, 0.0)));
}

TEST(SyncFileName, LastThreeCharactersBecomeWsy) {
  struct Case {
    const char* dataFile;
    const char* syncFile;
  };
  const Case cases[] = {
      {"C:\\DATA\\KEY.WSN", "C:\\DATA\\KEY.WSY"},
      {"\\\\server\\share\\team.wsn", "\\\\server\\share\\team.WSY"},
      {"notes.txt", "notes.WSY"},
      {"AB", "WSY"},
      {"", "WSY"},
  };
  for (const Case& c : cases) EXPECT_EQ(SyncFileNameFor(c.dataFile), c.syncFile) << c.dataFile;
}

TEST(SyncClock, DatesCountDaysFromTheThirtiethOfDecember1899) {
  struct Case {
    int year, month, day, hour, minute, second, millisecond;
    double days;
  };
  const Case cases[] = {
      {1899, 12, 30, 0, 0, 0, 0, 0.0},
      {1900, 1, 1, 0, 0, 0, 0, 2.0},
      {2000, 1, 1, 12, 0, 0, 0, 36526.5},
      {2024, 2, 29, 0, 0, 0, 0, 45351.0},
      {2024, 3, 1, 18, 0, 0, 0, 45352.75},
      {1899, 12, 29, 6, 0, 0, 0, -1.25},
      {1601, 1, 1, 0, 0, 0, 0, -109205.0},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(DaysSince1899(c.year, c.month, c.day, c.hour, c.minute, c.second, c.millisecond), c.days)
        << c.year << '-' << c.month << '-' << c.day;
  }
  EXPECT_NEAR(DaysSince1899(2000, 1, 1, 23, 59, 59, 999), 36526.0 + 86399999.0 / 86400000.0, 1e-9);
}

TEST(HeartbeatAge, AMinuteCountsWithinADayOnly) {
  const double second = 1.0 / 86400.0;
  struct Case {
    double elapsed;
    bool silentForAMinute;
  };
  const Case cases[] = {
      {0.0, false},
      {30 * second, false},
      {59.999 * second, false},
      {59.9996 * second, true},  // rounds to a whole minute
      {60 * second, true},
      {61 * second, true},
      {2.5, true},                  // 12 hours
      {1.0 + 30 * second, false},   // whole days drop out
      {1.0 + 120 * second, true},
      {3.0, false},
      {-120 * second, false},       // the clock went back
      {std::numeric_limits<double>::quiet_NaN(), false},
  };
  for (const Case& c : cases) EXPECT_EQ(HeartbeatSilentForAMinute(c.elapsed), c.silentForAMinute) << c.elapsed;
}

}  // namespace
}  // namespace wordsnap
