// What every dialog shares: the dialog-showing flag, set only while it is shown,
// and the record of open dialogs that the tray's summon closes.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "DialogGuard.h"
#include "FindR.h"
#include "dialog_test_base.h"

namespace wordsnap::win_test {
namespace {

class DialogGuardTest : public DialogTestBase {};

TEST_F(DialogGuardTest, AnOpenDialogIsRecordedWhileShownAndClosingThemAllCancelsIt) {
  bool showing = false;
  std::vector<HWND> openWhileShown;
  OnDialog("Find Text", [&](HWND dialog) {
    EXPECT_TRUE(showing);
    openWhileShown = OpenDialogs();
    EXPECT_EQ(openWhileShown, std::vector<HWND>{dialog});
    CloseOpenDialogs();
  });
  const std::optional<std::string> found = RunFindR(nullptr, showing, "sig");
  EXPECT_FALSE(found.has_value());  // closed as Cancel closes it
  ASSERT_EQ(openWhileShown.size(), 1u);
  EXPECT_FALSE(IsWindow(openWhileShown[0]));
  EXPECT_FALSE(showing);
  EXPECT_TRUE(OpenDialogs().empty());
}

TEST_F(DialogGuardTest, TheFlagIsClearedAndTheRecordLeftEvenWhenTheCallerUnwinds) {
  bool showing = false;
  try {
    TDialogShowing guard(showing);
    guard.Attach(reinterpret_cast<HWND>(0x1234));
    EXPECT_TRUE(showing);
    EXPECT_EQ(OpenDialogs().size(), 1u);
    throw 1;
  } catch (int) {
  }
  EXPECT_FALSE(showing);
  EXPECT_TRUE(OpenDialogs().empty());
}

TEST_F(DialogGuardTest, AnExceptionInAProcedureIsReportedAndAnsweredWithTheFallback) {
  const LRESULT answer =
      Guarded<LRESULT>(nullptr, 7, []() -> LRESULT { throw std::runtime_error("out of paper"); });
  EXPECT_EQ(answer, 7);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], "Error: An unexpected error occurred.  out of paper");
}

}  // namespace
}  // namespace wordsnap::win_test
