// Data files that come from elsewhere: cut short, padded, full of nonsense.
#include <gtest/gtest.h>

#include <random>

#include "core/store/record_positions.h"
#include "store/store_fixture.h"

namespace wordsnap::store_test {
namespace {

using Strings = std::vector<std::string>;

Bytes WithTail(Bytes file, std::size_t tailBytes, std::uint8_t fill = 0x5A) {
  file.insert(file.end(), tailBytes, fill);
  return file;
}

TEST_F(StoreTest, FileWithADamagedTailLoadsEveryWholeRecordAndWarns) {
  files.Put(kDataPath, WithTail(FileOfNames({"a", "b"}, "pk"), 100));
  const Bytes before = files.Content(kDataPath);

  const LoadResult result = LoadTheHotKeys(store, files, kDataPath);
  EXPECT_EQ(result.outcome, LoadOutcome::Loaded);
  EXPECT_EQ(result.damagedTailBytes, 100u);
  ASSERT_TRUE(result.message);
  EXPECT_EQ(result.message->caption, "Warning");
  EXPECT_NE(result.message->text.find("C:\\DATA\\KEY.WSN"), std::string::npos);
  EXPECT_NE(result.message->text.find("100 bytes"), std::string::npos);
  EXPECT_EQ(NodeNamesByRecordNo(store), (Strings{"a", "b"}));
  EXPECT_EQ(store.recordCount, 2);
  EXPECT_EQ(store.prefixKeys, "pk") << "prefix keys are still refreshed";
  EXPECT_EQ(files.Content(kDataPath), before) << "the user's file is never cut on load";
}

TEST_F(StoreTest, FileShorterThanOneRecordLoadsNothingAndKeepsThePrefixKeys) {
  files.Put(kDataPath, Bytes(kRecordSize - 1, 0x01));
  store.prefixKeys = "k";
  const LoadResult result = LoadTheHotKeys(store, files, kDataPath);
  EXPECT_EQ(result.damagedTailBytes, kRecordSize - 1);
  EXPECT_TRUE(store.tree.empty());
  EXPECT_EQ(store.prefixKeys, "k");
  store.prefixKeys = "z";
  EXPECT_TRUE(ChangePrefixInFile(store, files, kDataPath).Ok());
  EXPECT_EQ(files.Content(kDataPath), Bytes(kRecordSize - 1, 0x01)) << "no record 1 to write into";
}

TEST_F(StoreTest, AppendToADamagedFileLandsRightAfterItsLastWholeRecord) {
  files.Put(kDataPath, WithTail(FileOfNames({"a", "b"}), 1234));
  LoadTheHotKeys(store, files, kDataPath);
  store.current.Record = MakeRecord("c");
  ASSERT_TRUE(AddAHotKey(store, files, kDataPath, kAppendRecord).Ok());

  EXPECT_EQ(files.Content(kDataPath), FileOfNames({"a", "b", "c"}));
  EXPECT_EQ(store.current.RecordNo, 3);
  const LoadResult reloaded = ReloadHotKeys(store, files, kDataPath);
  EXPECT_FALSE(reloaded.message);
  EXPECT_EQ(NodeNamesByRecordNo(store), (Strings{"a", "b", "c"}));
}

TEST_F(StoreTest, RecordInTheDamagedTailIsNotARecord) {
  files.Put(kDataPath, WithTail(FileOfNames({"a", "b"}), kRecordSize - 1));
  const Bytes before = files.Content(kDataPath);
  store.current.Record = MakeRecord("c");
  EXPECT_EQ(LoadAHotKey(store, files, kDataPath, 3).outcome, StoreOutcome::NoSuchRecord);
  EXPECT_EQ(AddAHotKey(store, files, kDataPath, 3).outcome, StoreOutcome::NoSuchRecord);
  EXPECT_EQ(ChangeActiveInFile(files, kDataPath, 3, 0).outcome, StoreOutcome::NoSuchRecord);
  EXPECT_EQ(RemoveAHotKey(store, files, kDataPath, 3).outcome, StoreOutcome::NoSuchRecord);
  EXPECT_EQ(files.Content(kDataPath), before);
}

TEST_F(StoreTest, RemoveFromADamagedFileKeepsTheTailAfterTheRecords) {
  files.Put(kDataPath, WithTail(FileOfNames({"a", "b", "c"}), 77, 0x33));
  ASSERT_TRUE(RemoveAHotKey(store, files, kDataPath, 2).Ok());
  EXPECT_EQ(files.Content(kDataPath), WithTail(FileOfNames({"a", "c"}), 77, 0x33));
}

TEST_F(StoreTest, ReadFailureHalfWayKeepsWhatWasReadAndSaysSo) {
  // Enough records for several reads; the second read fails.
  std::vector<std::string> names;
  for (int i = 0; i < 300; ++i) names.push_back("n" + std::to_string(i));
  files.Put(kDataPath, FileOfNames(names, "pk"));
  files.FailAtStep(4, MemoryDataFileAccess::FailureKind::ReturnFailure);  // Open, Size, ReadAt, ReadAt
  const LoadResult result = LoadTheHotKeys(store, files, kDataPath);
  ASSERT_EQ(files.FailedCall(), "ReadAt");
  EXPECT_EQ(result.outcome, LoadOutcome::Incomplete);
  ASSERT_TRUE(result.message);
  EXPECT_EQ(result.message->caption, "Error");
  EXPECT_EQ(store.recordCount, static_cast<std::int32_t>(kRecordsPerChunk));
  EXPECT_EQ(store.counterColumnWidth, CounterColumnWidthFor(store.recordCount));
  EXPECT_EQ(store.prefixKeys, "pk");
}

// Random files, some wholly random, some records with hostile lengths, fed to the
// loader and to every record operation. Run under the sanitizers, any read or
// write out of bounds fails the test.
TEST_F(StoreTest, RandomBytesNeverBreakTheLoaderOrTheRecordOperations) {
  std::mt19937 random(20240611);
  auto byte = [&] { return static_cast<std::uint8_t>(random() & 0xFF); };
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE(round);
    Bytes file(random() % (4 * kRecordSize + 50));
    for (auto& b : file) b = byte();
    if (round % 2 == 0) {
      // Plausible records with the dangerous bytes set to extremes.
      for (std::size_t at = 0; at + kRecordSize <= file.size(); at += kRecordSize) {
        file[at + record_offset::kPrefixKeys] = 0xFF;
        file[at + record_offset::kName] = static_cast<std::uint8_t>(random() % 2 ? 0xFF : 11);
        if (random() % 2) std::fill_n(file.begin() + static_cast<std::ptrdiff_t>(at + record_offset::kReplacementText), kReplacementTextField, 0x41);
      }
    }
    files.Put(kDataPath, file);
    const std::int64_t whole = static_cast<std::int64_t>(file.size() / kRecordSize);

    const LoadResult loaded = LoadTheHotKeys(store, files, kDataPath);
    EXPECT_EQ(store.recordCount, whole);
    EXPECT_EQ(CountNodes(store.tree), static_cast<std::size_t>(whole));
    ForEachNodeInFillOrder(store.tree, [](WordsnapNode& node) {
      EXPECT_LE(node.Name().size(), kMaxNameLength);
      EXPECT_LE(node.Preview().size(), kPreviewLength);
    });
    EXPECT_EQ(loaded.damagedTailBytes, file.size() % kRecordSize);

    for (std::int32_t n = 0; n <= whole + 1; ++n) {
      const bool inFile = n >= 1 && n <= whole;
      EXPECT_EQ(LoadAHotKey(store, files, kDataPath, n).Ok(), inFile);
      if (inFile) {
        EXPECT_LE(store.current.Record.ReplacementText.size(), kMaxReplacementText);
        EXPECT_LE(store.current.Record.KeyDelay, kMaxKeyDelay);
      }
      EXPECT_EQ(ChangeActiveInFile(files, kDataPath, n, byte()).Ok(), inFile);
      EXPECT_EQ(AddAHotKey(store, files, kDataPath, n).Ok(), inFile);
    }
    EXPECT_TRUE(ChangePrefixInFile(store, files, kDataPath).Ok());
    if (whole > 0) {
      ASSERT_TRUE(RemoveAHotKey(store, files, kDataPath, static_cast<std::int32_t>(random() % whole) + 1).Ok());
      EXPECT_EQ(files.Content(kDataPath).size(), file.size() - kRecordSize);
    }
    ASSERT_TRUE(AddAHotKey(store, files, kDataPath, kAppendRecord).Ok());
    EXPECT_EQ(files.Content(kDataPath).size() % kRecordSize, 0u);
  }
}

}  // namespace
}  // namespace wordsnap::store_test
