#include "core/settings/setting_values.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace wordsnap {
namespace {

TEST(SettingValues, BoolIsTrueOnlyForYesInAnyCase) {
  struct Case {
    const char* text;
    bool expected;
  };
  const Case cases[] = {
      {"Yes", true}, {"YES", true}, {"yes", true}, {"yEs", true},  //
      {"No", false}, {"1", false},  {"True", false}, {"", false}, {"Yes ", false}, {"Y", false}, {"Yess", false},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadBoolValue(c.text), c.expected) << '"' << c.text << '"';
  EXPECT_EQ(WriteBoolValue(true), "Yes");
  EXPECT_EQ(WriteBoolValue(false), "No");
}

TEST(SettingValues, IntegerReadsLeadingDigitsOrZero) {
  struct Case {
    const char* text;
    std::int32_t expected;
  };
  const Case cases[] = {
      {"437", 437},
      {"-12", -12},
      {"+7", 7},
      {"500px", 500},
      {"12.9", 12},
      {"", 0},
      {"px500", 0},
      {"-", 0},
      {"--5", 0},
      {"Yes", 0},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", INT32_MAX},
      {"9999999999999", INT32_MAX},
      {"-9999999999999", INT32_MIN},
      {"99999999999999999999999999999999", INT32_MAX},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadIntegerValue(c.text), c.expected) << '"' << c.text << '"';
}

TEST(SettingValues, IntegerWrittenPlainDecimal) {
  EXPECT_EQ(WriteIntegerValue(0), "0");
  EXPECT_EQ(WriteIntegerValue(437), "437");
  EXPECT_EQ(WriteIntegerValue(-32000), "-32000");
  EXPECT_EQ(WriteIntegerValue(INT32_MIN), "-2147483648");
}

TEST(SettingValues, DelaySecondsWrittenWithTwoDecimals) {
  EXPECT_EQ(WriteDelaySecondsValue(0.0), "0.00");
  EXPECT_EQ(WriteDelaySecondsValue(-0.0), "0.00");
  EXPECT_EQ(WriteDelaySecondsValue(1.5), "1.50");
  EXPECT_EQ(WriteDelaySecondsValue(2.0), "2.00");
  EXPECT_EQ(WriteDelaySecondsValue(12.345678), "12.35");
  EXPECT_EQ(WriteDelaySecondsValue(-3.25), "-3.25");
  EXPECT_EQ(WriteDelaySecondsValue(1e20), "100000000000000000000.00");
}

TEST(SettingValues, DelaySecondsNonFiniteWrittenAsZero) {
  EXPECT_EQ(WriteDelaySecondsValue(std::numeric_limits<double>::infinity()), "0.00");
  EXPECT_EQ(WriteDelaySecondsValue(std::numeric_limits<double>::quiet_NaN()), "0.00");
}

TEST(SettingValues, RealReadsLeadingNumberOrZero) {
  struct Case {
    const char* text;
    double expected;
  };
  const Case cases[] = {
      {"0", 0.0},  {"0.00", 0.0}, {"1.50", 1.5},  {"+2.5", 2.5}, {"-0.75", -0.75}, {"3", 3.0},
      {"1.5s", 1.5}, {"1,5", 1.0}, {"", 0.0},     {"abc", 0.0},  {"inf", 0.0},     {"nan", 0.0},
      {"1e999", 0.0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(ReadRealValue(c.text), c.expected) << '"' << c.text << '"';
}

TEST(SettingValues, CaseSensativeSpecialRule) {
  struct Case {
    const char* text;
    std::int32_t expected;
  };
  const Case cases[] = {
      {"Yes", 2}, {"No", 3}, {"yes", 3}, {"YES", 3}, {"0", 3}, {"", 3},
      {"1", 1},   {"2", 2},  {"3", 3},   {"7", 7},   {"-1", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadCaseSensativeValue(c.text), c.expected) << '"' << c.text << '"';
}

TEST(SettingValues, SyncMinutesClampedToSixteenBits) {
  EXPECT_EQ(ReadSyncMinutesValue("10"), 10);
  EXPECT_EQ(ReadSyncMinutesValue("65535"), 65535);
  EXPECT_EQ(ReadSyncMinutesValue("65536"), 65535);
  EXPECT_EQ(ReadSyncMinutesValue("-1"), 0);
  EXPECT_EQ(ReadSyncMinutesValue("junk"), 0);
}

TEST(SettingValues, CutToReadBufferKeepsOneLessThanTheBuffer) {
  EXPECT_EQ(CutToReadBuffer("1234567890123456", kValueReadBuffer), "1234567890123");
  EXPECT_EQ(CutToReadBuffer("abc", kValueReadBuffer), "abc");
  EXPECT_EQ(CutToReadBuffer("abc", 1), "");
  EXPECT_EQ(CutToReadBuffer("abc", 0), "");
  EXPECT_EQ(CutToReadBuffer(std::string(300, 'x'), kCurrentFileReadBuffer).size(), 249u);
  EXPECT_EQ(CutToReadBuffer(std::string(300, 'x'), kRecentFileReadBuffer).size(), 254u);
  EXPECT_EQ(CutToReadBuffer(std::string(300, 'x'), kFontValueReadBuffer).size(), 148u);
}

}  // namespace
}  // namespace wordsnap
