#include "core/engine/date_time_formats.h"

#include <gtest/gtest.h>

#include <iterator>
#include <limits>
#include <string>

namespace wordsnap {
namespace {

// 30 March 1998, a Monday, 15:04:23: the picker's examples are written for it.
const CivilDate kExampleDay{1998, 3, 30};
const LocalDateTime kExampleTime{kExampleDay, 15, 4, 23, 0};

TEST(DateFormats, EveryFormatWithZerosGivesThePickersExample) {
  const char* examples[] = {
      "03/30/98",   "03-30-98",     "03.30.98",      "03/30/1998",    "03-30-1998",     "03.30.1998",
      "30/03/98",   "30-03-98",     "30.03.98",      "30/03/1998",    "30-03-1998",     "30.03.1998",
      "98/03/30",   "98-03-30",     "98.03.30",      "1998/03/30",    "1998-03-30",     "1998.03.30",
      "MAR 1998",   "Mar 1998",     "30 MAR 98",     "30 Mar 98",     "30 MAR 1998",    "30 Mar 1998",
      "30 March 98", "30 March 1998", "Mar 30 98",   "Mar 30, 98",    "Mar 30 1998",    "Mar 30, 1998",
      "March 30 98", "March 30, 98", "March 30 1998", "March 30, 1998", "033098",       "03301998",
      "300398",     "30031998",     "980330",        "19980330",      "30",             "03",
      "Mar",        "MAR",          "March",         "98",            "1998",           "Mon",
      "MON",        "Monday",       "MONDAY",
  };
  static_assert(std::size(examples) == kDateFormats.size());
  for (int f = 1; f <= static_cast<int>(kDateFormats.size()); ++f) {
    EXPECT_EQ(FormatDate(f, true, 0, kExampleDay), examples[f - 1]) << kDateFormats[f - 1];
  }
}

TEST(DateFormats, WithoutZerosDayAndMonthAreBareButTwoDigitYearsKeepTheirZero) {
  const CivilDate day{2001, 3, 5};
  struct Case {
    int format;
    const char* text;
  } cases[] = {
      {1, "3/5/01"}, {4, "3/5/2001"}, {17, "2001-3-5"}, {24, "5 Mar 2001"}, {35, "3501"},
      {41, "5"},     {42, "3"},       {46, "01"},       {47, "2001"},       {50, "Monday"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatDate(c.format, false, 0, day), c.text) << c.format;
  EXPECT_EQ(FormatDate(1, true, 0, day), "03/05/01");
}

TEST(DateFormats, DayOffsetsCrossMonthsYearsAndLeapDays) {
  struct Case {
    CivilDate today;
    int offset;
    const char* text;  // format 17, YYYY-MM-DD
  } cases[] = {
      {{2001, 3, 5}, -1, "2001-03-04"},   {{2000, 3, 1}, -1, "2000-02-29"},   {{2100, 3, 1}, -1, "2100-02-28"},
      {{2001, 12, 31}, 1, "2002-01-01"},  {{2000, 1, 1}, -1, "1999-12-31"},   {{2004, 2, 28}, 1, "2004-02-29"},
      {{1999, 12, 31}, 366, "2000-12-31"}, {{1998, 3, 30}, 999, "2000-12-23"}, {{1998, 3, 30}, -999, "1995-07-05"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatDate(17, true, c.offset, c.today), c.text) << c.text;
  EXPECT_EQ(FormatDate(50, true, 999, kExampleDay), "Saturday");
  EXPECT_EQ(FormatDate(48, true, -999, kExampleDay), "Wed");
}

TEST(DateFormats, UnknownFormatNumbersGiveNothing) {
  EXPECT_EQ(FormatDate(0, true, 0, kExampleDay), "");
  EXPECT_EQ(FormatDate(52, true, 0, kExampleDay), "");
  EXPECT_EQ(FormatTime(27, true, kExampleTime), "");
}

TEST(TimeFormats, EveryFormatGivesThePickersExample) {
  const char* examples[] = {
      "15:04",   "15.04",      "15,04",      "1504",       "15:04:23", "15.04.23", "15,04,23",
      "150423",  "15",         "04",         "23",         "3:04 pm",  "3.04 pm",  "3,04 pm",
      "3:04:23 pm", "3.04.23 pm", "3,04,23 pm", "3:04 PM", "3.04 PM",  "3,04 PM",  "3:04:23 PM",
      "3.04.23 PM", "3,04,23 PM", "3:04p",   "3.04p",      "3,04p",
  };
  static_assert(std::size(examples) == kTimeFormats.size());
  for (int f = 1; f <= static_cast<int>(kTimeFormats.size()); ++f) {
    EXPECT_EQ(FormatTime(f, false, kExampleTime), examples[f - 1]) << kTimeFormats[f - 1];
  }
}

TEST(TimeFormats, HoursAroundMidnightAndNoonWithAndWithoutZeros) {
  struct Case {
    int hour;
    int minute;
    int format;
    bool zeros;
    const char* text;
  } cases[] = {
      {0, 30, 12, false, "12:30 am"}, {0, 30, 1, false, "0:30"},  {0, 30, 1, true, "00:30"},
      {9, 5, 1, true, "09:05"},       {9, 5, 1, false, "9:05"},   {9, 5, 12, true, "09:05 am"},
      {11, 59, 24, false, "11:59a"},  {12, 0, 12, false, "12:00 pm"}, {12, 0, 26, false, "12,00p"},
      {13, 7, 18, true, "01:07 PM"},  {23, 59, 9, false, "23"},   {23, 59, 9, true, "23"},
  };
  for (const Case& c : cases) {
    const LocalDateTime now{kExampleDay, c.hour, c.minute, 3, 0};
    EXPECT_EQ(FormatTime(c.format, c.zeros, now), c.text) << c.text;
  }
  EXPECT_EQ(FormatTime(11, false, LocalDateTime{kExampleDay, 9, 5, 3, 0}), "03") << "seconds always take two digits";
}

TEST(Calendar, DayCountsRoundTripAndStepOneDayAtATime) {
  EXPECT_EQ(DaysFromCivil({1970, 1, 1}), 0);
  EXPECT_EQ(DaysFromCivil({1600, 1, 1}), -135140);
  EXPECT_EQ(DaysFromCivil({2400, 12, 31}), 157419);
  CivilDate previous = CivilFromDays(-135141);
  for (std::int64_t days = -135140; days <= 157419; ++days) {
    const CivilDate date = CivilFromDays(days);
    ASSERT_EQ(DaysFromCivil(date), days);
    ASSERT_EQ(AddDays(previous, 1), date);
    previous = date;
  }
  EXPECT_EQ(DayOfWeek({1970, 1, 1}), 4);
  EXPECT_EQ(DayOfWeek({2001, 3, 5}), 1);
  EXPECT_EQ(AddDays({2001, 13, 1}, 0), (CivilDate{2002, 1, 1})) << "months roll over into years";
  // Months at the ends of their range fold into years without overflowing.
  EXPECT_EQ(DaysFromCivil({0, std::numeric_limits<std::int32_t>::min(), 1}), DaysFromCivil({-178956971, 4, 1}));
  EXPECT_EQ(DaysFromCivil({0, std::numeric_limits<std::int32_t>::max(), 1}), DaysFromCivil({178956970, 7, 1}));
}

}  // namespace
}  // namespace wordsnap
