#include "core/list/list_commands.h"

#include <gtest/gtest.h>

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

TEST(ListCaptions, DeleteQuestionAndActivateCaptions) {
  EXPECT_EQ(DeleteQuestion("sig"), "Are you sure you want to remove \"sig\"?");
  EXPECT_EQ(ActivateCaptionsFor(true).menuItem, "Deacti&vate Wordsnap");
  EXPECT_EQ(ActivateCaptionsFor(true).hint, "Deactivate Wordsnap");
  EXPECT_EQ(ActivateCaptionsFor(false).menuItem, "Acti&vate Wordsnap");
  EXPECT_EQ(ActivateCaptionsFor(false).hint, "Activate Wordsnap");
}

}  // namespace
}  // namespace wordsnap
