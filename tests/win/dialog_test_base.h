#pragma once
// The base of the tests that run the program's windows and dialogs in this
// process: message boxes are captured as "caption: text" and answered (from
// answers_, then OK), and a dialog step still waiting at the end fails the test.

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "MessageBoxes.h"
#include "dialog_driver.h"

namespace wordsnap::win_test {

class DialogTestBase : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageSink([this](const std::string& text, const std::string& caption, UINT) {
      messages_.push_back(caption + ": " + text);
      if (answers_.empty()) return IDOK;
      const int answer = answers_.front();
      answers_.pop_front();
      return answer;
    });
  }

  void TearDown() override {
    EXPECT_EQ(ForgetPendingSteps(), 0) << "a dialog the test waited for never appeared";
    SetMessageSink(nullptr);
  }

  std::vector<std::string> messages_;
  std::deque<int> answers_;  // what the captured message boxes answer, in order; then OK
};

}  // namespace wordsnap::win_test
