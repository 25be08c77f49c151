#include "core/list/list_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wordsnap {
namespace {

TEST(RowCommandRefusal, EmptyListComesBeforeNoSelection) {
  EXPECT_EQ(RowCommandRefusal(0, -1)->text, kNoWordsnapsYet);
  EXPECT_EQ(RowCommandRefusal(0, 0)->text, kNoWordsnapsYet);
  EXPECT_EQ(RowCommandRefusal(3, -1)->text, kNoWordsnapSelected);
  EXPECT_EQ(RowCommandRefusal(3, -1)->caption, "Error");
  EXPECT_FALSE(RowCommandRefusal(3, 2));
}

TEST(RowAfterDelete, KeepsThePlaceOrTakesTheNewLastRow) {
  EXPECT_EQ(RowAfterDelete(1, 3), 1);   // a middle row: the next one moves up
  EXPECT_EQ(RowAfterDelete(3, 3), 2);   // the last row: the new last row
  EXPECT_EQ(RowAfterDelete(0, 0), -1);  // the only row: nothing to select
}

TEST(RowForTypedCharacter, TakesTheNextMatchingRowAfterTheFocusGoingRound) {
  const std::vector<std::string> rows = {"addr", "sig", "sign", "ty"};
  const auto startsWithS = [&](int row) { return rows[static_cast<std::size_t>(row)][0] == 's'; };
  struct Case {
    int focus;
    int expected;
  };
  const Case cases[] = {
      {-1, 1},  // no focus yet: the first match from the top
      {0, 1},
      {1, 2},   // the focus row itself is passed over
      {2, 1},   // past the last match: round to the first
      {3, 1},
      {9, 1},   // a focus beyond the rows counts as none
  };
  for (const auto& c : cases) EXPECT_EQ(RowForTypedCharacter(4, c.focus, startsWithS), c.expected) << c.focus;
  EXPECT_EQ(RowForTypedCharacter(4, 1, [](int) { return false; }), -1);
  EXPECT_EQ(RowForTypedCharacter(0, -1, [](int) { return true; }), -1);
  int only = 0;
  EXPECT_EQ(RowForTypedCharacter(1, 0, [&](int row) { return ++only, row == 0; }), 0) << "a lone match is found again";
  EXPECT_EQ(only, 1);
}

TEST(ListCaptions, DeleteQuestionAndActivateCaptions) {
  EXPECT_EQ(DeleteQuestion("sig"), "Are you sure you want to remove \"sig\"?");
  EXPECT_EQ(ActivateCaptionsFor(true).menuItem, "Deacti&vate Wordsnap");
  EXPECT_EQ(ActivateCaptionsFor(true).hint, "Deactivate Wordsnap");
  EXPECT_EQ(ActivateCaptionsFor(false).menuItem, "Acti&vate Wordsnap");
  EXPECT_EQ(ActivateCaptionsFor(false).hint, "Activate Wordsnap");
}

}  // namespace
}  // namespace wordsnap
