// The date and time format picker driven in this process: how each mode opens,
// the code OK hands back, Cancel, and a refused day count.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DTime.h"
#include "DTime_ids.h"
#include "dialog_test_base.h"

namespace wordsnap::win_test {
namespace {

class DateTimeDialogTest : public DialogTestBase {
 protected:
  std::string Run(DateOrTimeMode mode) {
    const std::string code = RunDTime(nullptr, showing_, mode, settings_, "C:\\nowhere", 1.0);
    EXPECT_FALSE(showing_);
    return code;
  }

  static int SelectedRow(HWND dialog) {
    return static_cast<int>(SendDlgItemMessageA(dialog, IDC_DTIME_FORMAT, LB_GETCURSEL, 0, 0));
  }
  static void SelectRow(HWND dialog, int row) {
    SendDlgItemMessageA(dialog, IDC_DTIME_FORMAT, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
  }
  static bool Visible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }
  static bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

  Settings settings_;
  bool showing_ = false;
};

TEST_F(DateTimeDialogTest, DateModeOpensOnTheRememberedChoiceAndBuildsTheCode) {
  settings_.lastDateFormat = 30;
  OnDialog("Dates", [this](HWND dialog) {
    EXPECT_TRUE(showing_);
    EXPECT_EQ(ControlText(dialog, IDC_DTIME_TITLE), "Select Date Format");
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_DTIME_FORMAT, LB_GETCOUNT, 0, 0), 51);
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_DTIME_FORMAT, LB_GETITEMHEIGHT, 0, 0), 16);
    EXPECT_EQ(SelectedRow(dialog), 30);
    EXPECT_TRUE(Checked(dialog, IDC_DTIME_SUPPRESS));
    EXPECT_TRUE(Checked(dialog, IDC_DTIME_FUTURE));
    EXPECT_EQ(ControlText(dialog, IDC_DTIME_DAYS), "0");
    EXPECT_TRUE(Visible(dialog, IDC_DTIME_DAYS));

    SelectRow(dialog, 25);
    PressButton(dialog, IDC_DTIME_PAST);
    SetControlText(dialog, IDC_DTIME_DAYS, "7");
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(Run(DateOrTimeMode::Date), "<DD Mmmmm YYYY{NP007}>");
  EXPECT_EQ(settings_.lastDateFormat, 25);
  EXPECT_TRUE(settings_.suppressZerosInDate);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(DateTimeDialogTest, TimeModeHidesTheDateShiftAndRemembersZeros) {
  OnDialog("Times", [](HWND dialog) {
    EXPECT_EQ(ControlText(dialog, IDC_DTIME_TITLE), "Select Time Format");
    EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_DTIME_FORMAT, LB_GETCOUNT, 0, 0), 26);
    EXPECT_EQ(SelectedRow(dialog), 0);
    for (int id : {IDC_DTIME_SDLAB1, IDC_DTIME_DAYS, IDC_DTIME_SDLAB2, IDC_DTIME_FUTURE, IDC_DTIME_PAST}) {
      EXPECT_FALSE(Visible(dialog, id)) << id;
      EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, id))) << id;
    }
    SelectRow(dialog, 4);
    PressButton(dialog, IDC_DTIME_SUPPRESS);  // zeros shown
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(Run(DateOrTimeMode::Time), "<hh:mm:ss{Y}>");
  EXPECT_EQ(settings_.lastTimeFormat, 4);
  EXPECT_FALSE(settings_.suppressZerosInTime);

  OnDialog("Times", [](HWND dialog) {
    EXPECT_EQ(SelectedRow(dialog), 4);
    EXPECT_FALSE(Checked(dialog, IDC_DTIME_SUPPRESS));
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(Run(DateOrTimeMode::Time), "<hh:mm:ss{Y}>");
}

TEST_F(DateTimeDialogTest, CancelInsertsNothingAndRemembersNothing) {
  const Settings before = settings_;
  OnDialog("Dates", [](HWND dialog) {
    SelectRow(dialog, 12);
    PressButton(dialog, IDC_DTIME_SUPPRESS);
    PressButton(dialog, IDCANCEL);
  });
  EXPECT_EQ(Run(DateOrTimeMode::Date), "");
  EXPECT_EQ(settings_, before);
}

TEST_F(DateTimeDialogTest, NegativeDayCountIsRefusedAndThePickerStaysOpen) {
  OnDialog("Dates", [this](HWND dialog) {
    SetControlText(dialog, IDC_DTIME_DAYS, "-5");
    PressButton(dialog, IDOK);
    EXPECT_TRUE(IsWindowVisible(dialog));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], std::string("Error: ") + kInvalidDayCount);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_DTIME_DAYS));
    EXPECT_EQ(settings_.lastDateFormat, 0);
    SetControlText(dialog, IDC_DTIME_DAYS, "12");
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(Run(DateOrTimeMode::Date), "<MM/DD/YY{NF012}>");
}

}  // namespace
}  // namespace wordsnap::win_test
