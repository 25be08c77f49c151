#include "core/transfer/import_pipeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "core/settings/settings.h"
#include "transfer/transfer_fixture.h"

namespace wordsnap::transfer_test {
namespace {

using Strings = std::vector<std::string>;
using store_test::NamesIn;
using store_test::NodeNamesByRecordNo;

TEST(MedianFirstOrderTest, MedianOfEachRangeFirst) {
  EXPECT_EQ(MedianFirstOrder(7), (std::vector<std::size_t>{3, 1, 0, 2, 4, 5, 6}));
  EXPECT_EQ(MedianFirstOrder(0), (std::vector<std::size_t>{}));
  EXPECT_EQ(MedianFirstOrder(1), (std::vector<std::size_t>{0}));
  EXPECT_EQ(MedianFirstOrder(2), (std::vector<std::size_t>{0, 1}));
  for (std::size_t n = 0; n < 300; ++n) {
    std::vector<std::size_t> order = MedianFirstOrder(n);
    std::sort(order.begin(), order.end());
    std::vector<std::size_t> all(n);
    std::iota(all.begin(), all.end(), 0);
    ASSERT_EQ(order, all) << "each entry exactly once, n = " << n;
  }
}

TEST_F(TransferTest, SortedEntriesGoInMedianFirstAndSortIgnoringCase) {
  Load();
  ImportList list = ListOf({{"g", "7"}, {"F", "6"}, {"e", "5"}, {"D", "4"}, {"c", "3"}, {"B", "2"}, {"a", "1"}});
  const ImportCounts counts = AddImportList(list, kDuplicateSettingImport, Target(), host);
  EXPECT_EQ(NamesIn(DataFile()), (Strings{"D", "B", "a", "c", "e", "F", "g"}));
  EXPECT_EQ(counts.read, 7);
  EXPECT_EQ(counts.appended, 7);
  EXPECT_TRUE(list.empty());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(store.tree.Root()->Name(), "D");
  EXPECT_EQ(TreeDepth(store.tree), 4u);  // D over B (a, c) and the chain e, F, g
}

TEST_F(TransferTest, TheWholeEntrySortsSoTheSameNameGoesInByText) {
  Load();
  ImportList list = ListOf({{"n", "z"}, {"n", "A"}, {"n", "m"}});
  AddImportList(list, kDuplicateSettingImport, Target(), host);
  EXPECT_EQ(Record(1).ReplacementText, "m");
  EXPECT_EQ(Record(2).ReplacementText, "A");
  EXPECT_EQ(Record(3).ReplacementText, "z");
}

TEST_F(TransferTest, ImportedRecordsTakeTheImportValuesAndTheFilesPrefixKeys) {
  files.Put(kDataPath, store_test::FileOf({MakeRecord("old", "", ";;")}));
  Load();
  ImportList list = ListOf({{"abc", "hello"}});
  AddImportList(list, kDuplicateSettingImport, Target(), host);
  ASSERT_EQ(RecordsInFile(), 2);
  WordsnapRecord expected;
  expected.PrefixKeys = ";;";
  expected.Name = "abc";
  expected.Active = 1;
  expected.ReplacementText = "hello";
  expected.ViaClipboard = 0;
  expected.CaseRule = 3;
  expected.KeyDelay = 0;
  EXPECT_EQ(Record(2), expected);
  EXPECT_EQ(store.recordCount, 2);
  EXPECT_EQ(NodeNamesByRecordNo(store), (Strings{"old", "abc"}));
}

TEST_F(TransferTest, NameChecksUseTheEditorsCharactersAndTellTheUser) {
  Load();
  const std::string longName(300, 'q');
  ImportList list = ListOf({{"abcdefghijkl", "1"},
                            {"a b:c", "2"},
                            {"it's", "3"},
                            {"x y z (long)", "4"},
                            {longName, "5"},
                            {std::string("n\x02\xe9"), "6"}});
  AddImportList(list, kDuplicateSettingImport, Target(), host);

  EXPECT_EQ(NodeNamesByRecordNo(store).size(), 6u);
  Strings names = NamesIn(DataFile());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (Strings{"a#b#c", "abcdefghij", "it's", "n##", "qqqqqqqqqq", "x#y#z##lon"}));
  const std::string valid =
      " has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 and "
      "' ! @ # $ % ^ & _ = < > ? . ; , * - / +   Invalid characters will be replaced with \"#\".";
  const std::string tooLong = " is longer than the 10 character maximum. It will be truncated to 10 characters.";
  // Sorted: a b:c, abcdefghijkl, it's, n.., qqq.., x y z..; written median-first from it's.
  const Strings texts = Texts(host.messages);
  ASSERT_EQ(texts.size(), 6u) << ::testing::PrintToString(texts);
  EXPECT_EQ(texts[0], "The Original Keys \"abcdefghijkl\"" + tooLong);
  EXPECT_EQ(texts[1], "The Original Keys \"a b:c\"" + valid);
  EXPECT_EQ(texts[2], "The Original Keys \"n\x02\xe9\"" + valid);
  EXPECT_EQ(texts[3], ("The Original Keys \"" + longName + "\"" + tooLong).substr(0, 255));
  EXPECT_EQ(texts[4], "The Original Keys \"x y z (long)\"" + tooLong);
  EXPECT_EQ(texts[5], "The Original Keys \"x y z (lon\"" + valid);
  for (const auto& message : host.messages) EXPECT_EQ(message.caption, "Error");
}

TEST_F(TransferTest, TextsOverTheLimitAreCutWithAMessage) {
  Load();
  const std::string text3000 = std::string(49, 'a') + "b" + std::string(2950, 'c');
  ImportList list = ListOf({{"fits", text3000}, {"over", text3000 + "d"}, {"far", std::string(5000, 'e')}});
  AddImportList(list, kDuplicateSettingImport, Target(), host);
  ASSERT_EQ(RecordsInFile(), 3);
  // Sorted far, fits, over: fits goes in first.
  EXPECT_EQ(Record(1).ReplacementText, text3000);
  EXPECT_EQ(Record(2).ReplacementText, std::string(3000, 'e'));
  EXPECT_EQ(Record(3).ReplacementText, text3000);
  EXPECT_EQ(Texts(host.messages),
            (Strings{"The size of the replacement keys" + std::string(50, 'e') +
                         "... exceeds the 3,000 character limit.  The replacement keys will be truncated to 3,000 "
                         "characters.",
                     "The size of the replacement keys" + std::string(49, 'a') +
                         "b... exceeds the 3,000 character limit.  The replacement keys will be truncated to 3,000 "
                         "characters."}));
}

class DuplicateModeTest : public TransferTest {
 protected:
  void SetUp() override {
    WordsnapRecord old = MakeRecord("Abc", "old text");
    old.Active = 0;
    old.ViaClipboard = 1;
    old.CaseRule = 2;
    old.KeyDelay = 500;
    files.Put(kDataPath, store_test::FileOf({MakeRecord("x", "x text"), old}));
    Load();
  }

  ImportCounts Import(std::int32_t mode, const std::vector<std::pair<std::string, std::string>>& entries) {
    ImportList list = ListOf(entries);
    return AddImportList(list, mode, Target(), host);
  }
};

TEST_F(DuplicateModeTest, ImportAsDuplicateAppendsEveryEntry) {
  const ImportCounts counts = Import(kDuplicateSettingImport, {{"Abc", "new"}, {"x", "again"}});
  EXPECT_EQ(NamesIn(DataFile()), (Strings{"x", "Abc", "Abc", "x"}));
  EXPECT_EQ(counts.appended, 2);
  EXPECT_TRUE(host.questions.empty());
}

TEST_F(DuplicateModeTest, ReplaceRewritesInPlaceKeepingTheOldFlagsAndMatchesCaseExactly) {
  const ImportCounts counts = Import(kDuplicateSettingReplace, {{"Abc", "new text"}, {"abc", "lower"}});
  ASSERT_EQ(RecordsInFile(), 3) << "abc is no duplicate of Abc";
  const WordsnapRecord replaced = Record(2);
  EXPECT_EQ(replaced.Name, "Abc");
  EXPECT_EQ(replaced.ReplacementText, "new text");
  EXPECT_EQ(replaced.Active, 0);
  EXPECT_EQ(replaced.ViaClipboard, 1);
  EXPECT_EQ(replaced.CaseRule, 2);
  EXPECT_EQ(replaced.KeyDelay, 0);
  EXPECT_EQ(Record(3).Name, "abc");
  EXPECT_EQ(counts.replaced, 1);
  EXPECT_EQ(counts.appended, 1);
  EXPECT_EQ(store.recordCount, RecordsInFile());
  EXPECT_EQ(NodeNamesByRecordNo(store), (Strings{"x", "Abc", "abc"}));
  EXPECT_EQ(CountNodes(store.tree), 3u);
  EXPECT_TRUE(host.questions.empty());
}

TEST_F(DuplicateModeTest, ReplacingTwiceLeavesOneRecordWithTheLastText) {
  Import(kDuplicateSettingReplace, {{"x", "first"}, {"x", "second"}});
  EXPECT_EQ(RecordsInFile(), 2);
  // Sorted first, second; median-first writes first, then second over it.
  EXPECT_EQ(Record(1).ReplacementText, "second");
}

TEST_F(DuplicateModeTest, PromptAsksAndYesReplacesNoDrops) {
  host.answers = {true, false};
  const ImportCounts counts = Import(kDuplicateSettingPrompt, {{"Abc", "replacing"}, {"x", "dropped"}, {"new", "t"}});
  ASSERT_EQ(host.questions.size(), 2u);
  // Sorted Abc, new, x: new goes first (no question), then Abc, then x.
  EXPECT_EQ(host.questions[0], "Do you wish to replace the Wordsnap Abc that contains:\n\r\n\rold text\n\r\n\rWITH\n\r\n\r"
                               "replacing");
  EXPECT_EQ(host.questions[1], "Do you wish to replace the Wordsnap x that contains:\n\r\n\rx text\n\r\n\rWITH\n\r\n\r"
                               "dropped");
  EXPECT_EQ(NamesIn(DataFile()), (Strings{"x", "Abc", "new"}));
  EXPECT_EQ(Record(1).ReplacementText, "x text");
  EXPECT_EQ(Record(2).ReplacementText, "replacing");
  EXPECT_EQ(Record(2).Active, 0) << "the old flags stay";
  EXPECT_EQ(counts.replaced, 1);
  EXPECT_EQ(counts.declined, 1);
  EXPECT_EQ(counts.appended, 1);
}

TEST_F(DuplicateModeTest, AnyOtherModePromptsAndTheQuestionQuotesFiftyCharacters) {
  host.answers = {false};
  Import(7, {{"x", std::string(60, 'n')}});
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_TRUE(host.questions[0].ends_with("WITH\n\r\n\r" + std::string(50, 'n')));
  EXPECT_EQ(RecordsInFile(), 2);
}

TEST_F(DuplicateModeTest, EntriesThatCannotBeWrittenAreReportedOnceWithCounts) {
  files.ReadOnly.insert(kDataPath);
  const Bytes before = DataFile();
  std::vector<std::pair<std::string, std::string>> entries;
  for (int i = 0; i < 500; ++i) entries.emplace_back("n" + std::to_string(i), "t");
  entries.emplace_back("Abc", "new");
  const ImportCounts counts = Import(kDuplicateSettingReplace, entries);
  EXPECT_EQ(counts.failed, 501);
  EXPECT_EQ(counts.Imported(), 0);
  EXPECT_EQ(host.messages,
            (std::vector<StoreMessage>{{"Saving of keystrokes failed for 501 of the 501 Wordsnaps read from the file; "
                                        "they are not in the Wordsnap file.  0 Wordsnaps were imported.",
                                        "Error"}}));
  EXPECT_EQ(DataFile(), before);
  EXPECT_EQ(CountNodes(store.tree), 2u);
  EXPECT_EQ(store.recordCount, 2);
  EXPECT_EQ(FindForPrompting(store.tree, "Abc"), "old text") << "the list shows what the file holds";
}

TEST_F(DuplicateModeTest, AFailureMidwayKeepsWhatWasWrittenAndCountsIt) {
  // Each write is open, size, write, close: the third entry's write fails.
  files.FailAtStep(files.Steps() + 11, MemoryDataFileAccess::FailureKind::ReturnFailure);
  const ImportCounts counts = Import(kDuplicateSettingImport, {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}});
  EXPECT_EQ(counts.failed, 1);
  EXPECT_EQ(counts.appended, 3);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Saving of keystrokes failed for 1 of the 4 Wordsnaps read from the file; they are not in the Wordsnap "
            "file.  3 Wordsnaps were imported.");
  EXPECT_EQ(store.recordCount, 5);
  EXPECT_EQ(NodeNamesByRecordNo(store), NamesIn(DataFile()));
}

TEST_F(TransferTest, ASortedImportLeavesAShallowTree) {
  Load();
  std::vector<std::pair<std::string, std::string>> entries;
  for (int i = 0; i < 4000; ++i) entries.emplace_back("w" + std::to_string(10000 + i), "t");
  ImportList list = ListOf(entries);
  AddImportList(list, kDuplicateSettingImport, Target(), host);
  EXPECT_EQ(CountNodes(store.tree), 4000u);
  EXPECT_LE(TreeDepth(store.tree), 13u);  // ceil(log2 4001) = 12, plus a level for the ragged edge
}

}  // namespace
}  // namespace wordsnap::transfer_test
