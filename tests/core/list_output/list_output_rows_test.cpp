// The list output reading its rows from the data file.
#include "core/list_output/list_output_rows.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "store/store_fixture.h"

namespace wordsnap::store_test {
namespace {

TEST_F(StoreTest, ListOutputReadsRowsInListOrderFromTheFile) {
  files.Put(kDataPath, FileOf({MakeRecord("zeta", "Z"), MakeRecord("abc", "Hello\r\nWorld")}));
  StoreRowReader reader(store, files, kDataPath, {2, 1});
  std::ostringstream out;
  const ListOutputResult result = WriteListOutput(out, reader.RowCount(), std::ref(reader));
  EXPECT_EQ(result.outcome, ListOutputOutcome::Written);
  EXPECT_EQ(out.str(),
            "Wordsnap: abc\r\nReplacement Text: Hello\r\nWorld\r\n\r\n"
            "Wordsnap: zeta\r\nReplacement Text: Z\r\n\r\n");
}

TEST_F(StoreTest, ListOutputStopsAtARecordNoLongerInTheFileWithTheStoresMessage) {
  // Another copy shortened the file: row 1's record 3 is gone.
  files.Put(kDataPath, FileOf({MakeRecord("a", "A"), MakeRecord("b", "B")}));
  StoreRowReader reader(store, files, kDataPath, {1, 3, 2});
  std::ostringstream out;
  const ListOutputResult result = WriteListOutput(out, reader.RowCount(), std::ref(reader));
  EXPECT_EQ(result.outcome, ListOutputOutcome::ReadFailed);
  EXPECT_EQ(result.failedRow, 1);
  EXPECT_EQ(out.str(), "Wordsnap: a\r\nReplacement Text: A\r\n\r\n");
  ASSERT_TRUE(reader.Failure());
  EXPECT_EQ(*reader.Failure(), WordsnapNotInFileMessage());
}

}  // namespace
}  // namespace wordsnap::store_test
