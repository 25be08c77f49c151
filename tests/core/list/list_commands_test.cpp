#include "core/list/list_commands.h"

#include <gtest/gtest.h>

namespace wordsnap {
namespace {

TEST(RowCommandRefusal, EmptyListComesBeforeNoSelection) {
  EXPECT_EQ(RowCommandRefusal(0, -1)->Text, kNoWordsnapsYet);
  EXPECT_EQ(RowCommandRefusal(0, 0)->Text, kNoWordsnapsYet);
  EXPECT_EQ(RowCommandRefusal(3, -1)->Text, kNoWordsnapSelected);
  EXPECT_EQ(RowCommandRefusal(3, -1)->Caption, "Error");
  EXPECT_FALSE(RowCommandRefusal(3, 2));
}

TEST(RowAfterDelete, KeepsThePlaceOrTakesTheNewLastRow) {
  EXPECT_EQ(RowAfterDelete(1, 3), 1);   // a middle row: the next one moves up
  EXPECT_EQ(RowAfterDelete(3, 3), 2);   // the last row: the new last row
  EXPECT_EQ(RowAfterDelete(0, 0), -1);  // the only row: nothing to select
}

TEST(ListCaptions, DeleteQuestionAndActivateCaptions) {
  EXPECT_EQ(DeleteQuestion("sig"), "Are you sure you want to remove \"sig\"?");
  EXPECT_EQ(ActivateCaptionsFor(true).MenuItem, "Deacti&vate Wordsnap");
  EXPECT_EQ(ActivateCaptionsFor(true).Hint, "Deactivate Wordsnap");
  EXPECT_EQ(ActivateCaptionsFor(false).MenuItem, "Acti&vate Wordsnap");
  EXPECT_EQ(ActivateCaptionsFor(false).Hint, "Activate Wordsnap");
}

}  // namespace
}  // namespace wordsnap
