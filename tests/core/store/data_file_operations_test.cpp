#include "core/store/data_file_operations.h"

#include <gtest/gtest.h>

#include "store/store_fixture.h"

namespace wordsnap::store_test {
namespace {

using Strings = std::vector<std::string>;

TEST_F(StoreTest, LoadBuildsTheTreeInFileOrderAndTakesRecordOnesPrefixKeys) {
  std::vector<WordsnapRecord> records = {MakeRecord("m", "", ";;"), MakeRecord("d", "", "xx"), MakeRecord("t")};
  records[2].KeyDelay = 20000;
  files.Put(kDataPath, FileOf(records));
  const Bytes before = files.Content(kDataPath);

  const LoadResult result = LoadTheHotKeys(store, files, kDataPath);
  EXPECT_EQ(result.outcome, LoadOutcome::Loaded);
  EXPECT_FALSE(result.message);
  EXPECT_TRUE(result.prefixKeysTaken);
  EXPECT_EQ(store.prefixKeys, ";;");
  EXPECT_EQ(store.recordCount, 3);
  EXPECT_EQ(NodeNamesByRecordNo(store), (Strings{"m", "d", "t"}));
  EXPECT_EQ(store.tree.LesserOrEqual(*store.tree.Root())->Name(), "d");
  EXPECT_EQ(store.tree.Greater(*store.tree.Root())->Name(), "t");
  EXPECT_EQ(store.tree.Root()->Preview(), "text of m");
  EXPECT_EQ(store.current.RecordNo, 3) << "the buffer holds the last record read";
  EXPECT_EQ(store.current.Record.KeyDelay, 0) << "a delay above 10000 reads as 0";
  EXPECT_EQ(files.Content(kDataPath), before) << "loading never writes";
}

TEST_F(StoreTest, LoadReplacesTheTreeRatherThanAddingToIt) {
  files.Put(kDataPath, FileOfNames({"a", "b"}));
  LoadTheHotKeys(store, files, kDataPath);
  LoadTheHotKeys(store, files, kDataPath);
  EXPECT_EQ(CountNodes(store.tree), 2u);
  EXPECT_EQ(store.recordCount, 2);
}

TEST_F(StoreTest, LoadOfAnEmptyFileKeepsThePrefixKeys) {
  files.Put(kDataPath, {});
  store.prefixKeys = "#";
  store.counterColumnWidth = 46;
  const LoadResult result = LoadTheHotKeys(store, files, kDataPath);
  EXPECT_EQ(result.outcome, LoadOutcome::Loaded);
  EXPECT_FALSE(result.prefixKeysTaken);
  EXPECT_EQ(store.prefixKeys, "#");
  EXPECT_TRUE(store.tree.empty());
  EXPECT_EQ(store.recordCount, 0);
  EXPECT_EQ(store.counterColumnWidth, 12);
}

TEST_F(StoreTest, LoadOfAMissingFileCreatesItEmpty) {
  const LoadResult result = LoadTheHotKeys(store, files, kDataPath);
  EXPECT_EQ(result.outcome, LoadOutcome::Created);
  EXPECT_FALSE(result.message);
  ASSERT_TRUE(files.Has(kDataPath));
  EXPECT_TRUE(files.Content(kDataPath).empty());
}

TEST_F(StoreTest, LoadThatCanNeitherOpenNorCreateSaysSoAndNeverEmptiesAFile) {
  files.Put(kDataPath, FileOfNames({"a"}));
  files.Unopenable.insert(kDataPath);
  LoadResult result = LoadTheHotKeys(store, files, kDataPath);
  EXPECT_EQ(result.outcome, LoadOutcome::Unavailable);
  EXPECT_EQ(result.message, (StoreMessage{"C:\\DATA\\KEY.WSN could not be opened or created.", "Error"}));
  EXPECT_EQ(files.Content(kDataPath), FileOfNames({"a"}));

  files.CreationFails = true;
  result = LoadTheHotKeys(store, files, "C:\\NEW.WSN");
  EXPECT_EQ(result.outcome, LoadOutcome::Unavailable);
  EXPECT_FALSE(files.Has("C:\\NEW.WSN"));
}

TEST_F(StoreTest, LoadAHotKeyReadsOneRecordAndKeepsTheBufferNumber) {
  std::vector<WordsnapRecord> records = {MakeRecord("a"), MakeRecord("b", "Regards")};
  records[1].KeyDelay = 20000;
  records[1].Unused = {7, 8};
  files.Put(kDataPath, FileOf(records));
  store.current.RecordNo = 42;
  ASSERT_TRUE(LoadAHotKey(store, files, kDataPath, 2).Ok());
  EXPECT_EQ(store.current.Record.Name, "b");
  EXPECT_EQ(store.current.Record.ReplacementText, "Regards");
  EXPECT_EQ(store.current.Record.KeyDelay, 0);
  EXPECT_EQ(store.current.RecordNo, 42);
}

TEST_F(StoreTest, RecordNumbersOutsideTheFileChangeNothing) {
  files.Put(kDataPath, FileOfNames({"a", "b"}));
  const Bytes before = files.Content(kDataPath);
  store.current.Record = MakeRecord("keep");
  for (const std::int32_t recordNo : {0, 3, -2, 1000000}) {
    SCOPED_TRACE(recordNo);
    const StoreResult results[] = {LoadAHotKey(store, files, kDataPath, recordNo),
                                   AddAHotKey(store, files, kDataPath, recordNo),
                                   RemoveAHotKey(store, files, kDataPath, recordNo),
                                   ChangeActiveInFile(files, kDataPath, recordNo, 0)};
    for (const auto& result : results) {
      EXPECT_EQ(result.outcome, StoreOutcome::NoSuchRecord);
      EXPECT_EQ(result.message, WordsnapNotInFileMessage());
    }
  }
  EXPECT_EQ(files.Content(kDataPath), before);
  EXPECT_EQ(store.current.Record.Name, "keep");
  EXPECT_EQ(files.Paths().size(), 1u) << "no side file left behind";
}

TEST_F(StoreTest, AppendWritesAfterTheLastRecordWithThePrefixKeysInForce) {
  files.Put(kDataPath, FileOfNames({"a", "b", "c"}, ";;"));
  LoadTheHotKeys(store, files, kDataPath);
  store.prefixKeys = "#!x";
  store.current.Record = MakeRecord("new", "Regards");
  store.current.Record.Reserved.fill(0xEE);
  store.recordCount++;  // as the editor does before appending

  ASSERT_TRUE(AddAHotKey(store, files, kDataPath, kAppendRecord).Ok());
  const Bytes& file = files.Content(kDataPath);
  ASSERT_EQ(file.size(), 4 * kRecordSize);
  const WordsnapRecord written = RecordAt(file, 4);
  EXPECT_EQ(written.Name, "new");
  EXPECT_EQ(written.PrefixKeys, "#!");
  EXPECT_EQ(written.Reserved, (std::array<std::uint8_t, kReservedSize>{}));
  EXPECT_EQ(store.current.RecordNo, 4);
  EXPECT_EQ(store.recordCount, 4);
  EXPECT_EQ(NodeNamesByRecordNo(store), (Strings{"a", "b", "c", "new"}));
}

TEST_F(StoreTest, AppendTakesItsNumberFromTheFileWhenTheCountIsOutOfStep) {
  files.Put(kDataPath, FileOfNames({"a", "b"}));
  LoadTheHotKeys(store, files, kDataPath);
  files.Put(kDataPath, FileOfNames({"a", "b", "other1", "other2"}));  // another copy appended

  store.current.Record = MakeRecord("mine");
  ASSERT_TRUE(AddAHotKey(store, files, kDataPath, kAppendRecord).Ok());
  EXPECT_EQ(NamesIn(files.Content(kDataPath)), (Strings{"a", "b", "other1", "other2", "mine"}));
  EXPECT_EQ(store.current.RecordNo, 5);
  EXPECT_EQ(store.recordCount, 5);
  const auto found = FindForPrompting(store.tree, "mine");
  ASSERT_TRUE(found);
  LoadAHotKey(store, files, kDataPath, 5);
  EXPECT_EQ(store.current.Record.Name, "mine") << "the node's number reads back its own record";
}

TEST_F(StoreTest, RewriteChangesOnlyThatRecordAndItsNode) {
  files.Put(kDataPath, FileOfNames({"m", "d", "t"}, "p"));
  LoadTheHotKeys(store, files, kDataPath);
  const Bytes before = files.Content(kDataPath);

  ASSERT_TRUE(LoadAHotKey(store, files, kDataPath, 2).Ok());
  store.current.Record.Name = "z";
  store.current.Record.ReplacementText = "changed";
  ASSERT_TRUE(AddAHotKey(store, files, kDataPath, 2).Ok());

  const Bytes& after = files.Content(kDataPath);
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(RecordBytesAt(after, 1), RecordBytesAt(before, 1));
  EXPECT_EQ(RecordBytesAt(after, 3), RecordBytesAt(before, 3));
  EXPECT_EQ(RecordAt(after, 2).Name, "z");
  EXPECT_EQ(store.recordCount, 3);
  EXPECT_EQ(NodeNamesByRecordNo(store), (Strings{"m", "z", "t"}));
}

TEST_F(StoreTest, WritesToAFileThatCannotBeOpenedReportTheSavingFailure) {
  files.Put(kDataPath, FileOfNames({"a", "b"}, "p"));
  LoadTheHotKeys(store, files, kDataPath);
  files.ReadOnly.insert(kDataPath);
  store.current.Record = MakeRecord("c");
  store.prefixKeys = "q";
  store.recordCount++;  // as the editor does before it appends

  const StoreResult results[] = {AddAHotKey(store, files, kDataPath, kAppendRecord),
                                 AddAHotKey(store, files, kDataPath, 1),
                                 ChangeActiveInFile(files, kDataPath, 1, 0),
                                 ChangePrefixInFile(store, files, kDataPath)};
  for (const auto& result : results) {
    EXPECT_EQ(result.outcome, StoreOutcome::NotOpened);
    EXPECT_EQ(result.message, (StoreMessage{"Saving of keystrokes failed.", "Error"}));
  }
  const StoreResult removal = RemoveAHotKey(store, files, kDataPath, 1);
  EXPECT_EQ(removal.outcome, StoreOutcome::NotOpened);
  EXPECT_EQ(removal.message, DeletingFailedMessage());
  EXPECT_EQ(files.Content(kDataPath), FileOfNames({"a", "b"}, "p"));
  EXPECT_EQ(CountNodes(store.tree), 2u) << "a failed append adds no node";
  EXPECT_EQ(store.recordCount, 2) << "a failed append takes back the count raised for it";
}

TEST_F(StoreTest, ChangeActiveWritesOnlyTheActiveByte) {
  std::vector<WordsnapRecord> records = {MakeRecord("a"), MakeRecord("b")};
  records[1].Unused = {1, 2};
  files.Put(kDataPath, FileOf(records));
  Bytes expected = files.Content(kDataPath);
  expected[kRecordSize + record_offset::kActive] = 0;

  ASSERT_TRUE(ChangeActiveInFile(files, kDataPath, 2, 0).Ok());
  EXPECT_EQ(files.Content(kDataPath), expected);
}

TEST_F(StoreTest, ChangePrefixRewritesRecordOnesPrefixKeysOnly) {
  files.Put(kDataPath, FileOfNames({"a", "b"}, "p"));
  Bytes expected = files.Content(kDataPath);
  expected[0] = 2;
  expected[1] = ';';
  expected[2] = ';';
  store.prefixKeys = ";;";
  ASSERT_TRUE(ChangePrefixInFile(store, files, kDataPath).Ok());
  EXPECT_EQ(files.Content(kDataPath), expected);

  files.Put("C:\\EMPTY.WSN", {});
  EXPECT_TRUE(ChangePrefixInFile(store, files, "C:\\EMPTY.WSN").Ok());
  EXPECT_TRUE(files.Content("C:\\EMPTY.WSN").empty());
}

TEST_F(StoreTest, RemoveClosesTheGapAndANewRecordOneCarriesThePrefixKeys) {
  struct Case {
    std::int32_t remove;
    Strings names;
  };
  const Case cases[] = {{1, {"b", "c"}}, {2, {"a", "c"}}, {3, {"a", "b"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.remove);
    files.Put(kDataPath, FileOfNames({"a", "b", "c"}, "old"));
    LoadTheHotKeys(store, files, kDataPath);
    store.prefixKeys = "#";

    ASSERT_TRUE(RemoveAHotKey(store, files, kDataPath, c.remove).Ok());
    const Bytes& file = files.Content(kDataPath);
    ASSERT_EQ(file.size(), 2 * kRecordSize);
    EXPECT_EQ(NamesIn(file), c.names);
    EXPECT_EQ(RecordAt(file, 1).PrefixKeys, c.remove == 1 ? "#" : "ol");
    EXPECT_EQ(files.Paths(), std::set<std::string>{kDataPath}) << "the side file took the data file's place";

    ReloadHotKeys(store, files, kDataPath);
    EXPECT_EQ(NodeNamesByRecordNo(store), c.names);
  }
}

TEST_F(StoreTest, RemovingTheOnlyRecordLeavesAnEmptyFile) {
  files.Put(kDataPath, FileOfNames({"a"}, ";;"));
  ASSERT_TRUE(RemoveAHotKey(store, files, kDataPath, 1).Ok());
  EXPECT_TRUE(files.Content(kDataPath).empty());
}

TEST_F(StoreTest, RemoveOfAFileThatCannotBeOpenedChangesNothing) {
  files.Put(kDataPath, FileOfNames({"a"}));
  files.Unopenable.insert(kDataPath);
  EXPECT_EQ(RemoveAHotKey(store, files, kDataPath, 1).outcome, StoreOutcome::NotOpened);
  EXPECT_EQ(files.Content(kDataPath), FileOfNames({"a"}));
}

TEST_F(StoreTest, EmptyingADataFile) {
  files.Put(kDataPath, FileOfNames({"a", "b"}));
  ASSERT_TRUE(EmptyDataFile(files, kDataPath).Ok());
  EXPECT_TRUE(files.Content(kDataPath).empty());
  EXPECT_EQ(EmptyDataFile(files, "C:\\NONE.WSN").outcome, StoreOutcome::NotOpened);
}

}  // namespace
}  // namespace wordsnap::store_test
