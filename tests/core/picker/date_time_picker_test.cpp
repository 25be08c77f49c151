#include "core/picker/date_time_picker.h"

#include <gtest/gtest.h>

#include <string>

namespace wordsnap {
namespace {

TEST(DateTimePicker, FirstUseWithDefaultSettingsGivesRowZeroWithoutZeros) {
  Settings settings;
  EXPECT_EQ(RememberedRow(DateOrTimeMode::Date, settings), 0);
  EXPECT_TRUE(RememberedSuppressZeros(DateOrTimeMode::Date, settings));
  PickerControls date;
  date.row = RememberedRow(DateOrTimeMode::Date, settings);
  EXPECT_EQ(ConfirmPicker(DateOrTimeMode::Date, date, settings).code, "<MM/DD/YY{NF000}>");

  PickerControls time;
  time.row = RememberedRow(DateOrTimeMode::Time, settings);
  time.suppressZeros = RememberedSuppressZeros(DateOrTimeMode::Time, settings);
  EXPECT_EQ(ConfirmPicker(DateOrTimeMode::Time, time, settings).code, "<hh:mm{N}>");
}

TEST(DateTimePicker, DateCodeCarriesZerosDirectionAndThreeDigitDays) {
  EXPECT_EQ(BuildDateCode(25, true, false, 7), "<DD Mmmmm YYYY{NP007}>");
  EXPECT_EQ(BuildDateCode(0, false, true, 999), "<MM/DD/YY{YF999}>");
  EXPECT_EQ(BuildDateCode(50, true, true, 12), "<Day of Week 4{NF012}>");
  EXPECT_EQ(BuildDateCode(51, true, true, 0), "");
  EXPECT_EQ(BuildDateCode(-1, true, true, 0), "");
}

TEST(DateTimePicker, TimeCodeCarriesOnlyTheZerosFlag) {
  EXPECT_EQ(BuildTimeCode(4, false), "<hh:mm:ss{Y}>");
  EXPECT_EQ(BuildTimeCode(25, true), "<hh,mma{N}>");
  EXPECT_EQ(BuildTimeCode(26, true), "");
}

TEST(DateTimePicker, DaysBoxReadsDigitsUpToTheFirstOther) {
  struct Case {
    std::string text;
    std::optional<int> count;
  };
  const Case cases[] = {
      {"", 0},     {"0", 0},   {"12", 12},         {"999", 999},           {"4x", 4},          {"x4", 0},
      {" 7 ", 7},  {"007", 7}, {"-5", std::nullopt}, {"1000", std::nullopt}, {"-", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadDayCount(c.text), c.count) << '"' << c.text << '"';
}

TEST(DateTimePicker, OkRemembersTheChoiceAndARefusedCountKeepsTheSettings) {
  Settings settings;
  PickerControls controls;
  controls.row = 30;
  controls.suppressZeros = false;
  controls.future = false;
  controls.daysText = "4a";
  PickerOutcome outcome = ConfirmPicker(DateOrTimeMode::Date, controls, settings);
  EXPECT_TRUE(outcome.accepted);
  EXPECT_EQ(outcome.code, "<Mmmmm DD YY{YP004}>");
  EXPECT_EQ(settings.lastDateFormat, 30);
  EXPECT_FALSE(settings.suppressZerosInDate);
  EXPECT_EQ(settings.lastTimeFormat, 0);
  EXPECT_EQ(RememberedRow(DateOrTimeMode::Date, settings), 30);

  const Settings before = settings;
  controls.row = 2;
  controls.daysText = "-3";
  outcome = ConfirmPicker(DateOrTimeMode::Date, controls, settings);
  EXPECT_FALSE(outcome.accepted);
  EXPECT_EQ(outcome.code, "");
  EXPECT_EQ(settings, before);

  // The time picker has no day count: whatever the box holds does not matter.
  outcome = ConfirmPicker(DateOrTimeMode::Time, controls, settings);
  EXPECT_TRUE(outcome.accepted);
  EXPECT_EQ(outcome.code, "<hh,mm{Y}>");
  EXPECT_EQ(settings.lastTimeFormat, 2);
  EXPECT_FALSE(settings.suppressZerosInTime);
}

TEST(DateTimePicker, RememberedRowOutsideTheListSelectsNoneAndInsertsNothing) {
  Settings settings;
  settings.lastDateFormat = 51;
  settings.lastTimeFormat = -2;
  EXPECT_EQ(RememberedRow(DateOrTimeMode::Date, settings), -1);
  EXPECT_EQ(RememberedRow(DateOrTimeMode::Time, settings), -1);
  PickerControls controls;
  controls.row = -1;
  const PickerOutcome outcome = ConfirmPicker(DateOrTimeMode::Date, controls, settings);
  EXPECT_TRUE(outcome.accepted);
  EXPECT_EQ(outcome.code, "");
  EXPECT_EQ(settings.lastDateFormat, 51);
}

TEST(DateTimePicker, SamplesShowMonday30March1998At150423) {
  EXPECT_EQ(FormatRowCount(DateOrTimeMode::Date), 51);
  EXPECT_EQ(FormatRowCount(DateOrTimeMode::Time), 26);
  EXPECT_EQ(FormatSample(DateOrTimeMode::Date, 0), "03/30/98");
  EXPECT_EQ(FormatSample(DateOrTimeMode::Date, 18), "MAR 1998");
  EXPECT_EQ(FormatSample(DateOrTimeMode::Date, 33), "March 30, 1998");
  EXPECT_EQ(FormatSample(DateOrTimeMode::Date, 41), "03");
  EXPECT_EQ(FormatSample(DateOrTimeMode::Date, 49), "Monday");
  EXPECT_EQ(FormatSample(DateOrTimeMode::Time, 0), "15:04");
  EXPECT_EQ(FormatSample(DateOrTimeMode::Time, 7), "150423");
  EXPECT_EQ(FormatSample(DateOrTimeMode::Time, 14), "3:04:23 pm");
  EXPECT_EQ(FormatSample(DateOrTimeMode::Time, 20), "3:04:23 PM");
  EXPECT_EQ(FormatSample(DateOrTimeMode::Time, 25), "3,04p");
  EXPECT_EQ(FormatSample(DateOrTimeMode::Time, 26), "");
  EXPECT_EQ(FormatText(DateOrTimeMode::Time, 26), "");
}

}  // namespace
}  // namespace wordsnap
