// The store on real files in a temporary folder.
#include "core/store/std_data_file_access.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "store/store_fixture.h"

namespace wordsnap::store_test {
namespace {

namespace fs = std::filesystem;

class StdDataFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device seed;
    folder_ = fs::temp_directory_path() / ("wordsnap-store-" + std::to_string(seed()));
    ASSERT_TRUE(fs::create_directory(folder_));
    path_ = (folder_ / "KEY.WSN").string();
  }
  void TearDown() override { fs::remove_all(folder_); }

  void Write(const Bytes& bytes) {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  Bytes Read() const {
    std::ifstream in(path_, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
  }

  fs::path folder_;
  std::string path_;
  StdDataFileAccess files_;
  WordsnapStore store_;
};

TEST_F(StdDataFileTest, EveryOperationWorksOnARealFile) {
  EXPECT_EQ(LoadTheHotKeys(store_, files_, path_).outcome, LoadOutcome::Created);
  EXPECT_TRUE(fs::exists(path_));
  EXPECT_EQ(fs::file_size(path_), 0u);

  store_.prefixKeys = ";;";
  for (const char* name : {"sig", "addr", "tel"}) {
    store_.current.Record = MakeRecord(name);
    ASSERT_TRUE(AddAHotKey(store_, files_, path_, kAppendRecord).Ok());
  }
  EXPECT_EQ(Read(), FileOfNames({"sig", "addr", "tel"}, ";;"));

  ASSERT_TRUE(LoadAHotKey(store_, files_, path_, 2).Ok());
  store_.current.Record.ReplacementText = "12 High Street";
  ASSERT_TRUE(AddAHotKey(store_, files_, path_, 2).Ok());
  ASSERT_TRUE(ChangeActiveInFile(files_, path_, 3, 0).Ok());
  store_.prefixKeys = "#";
  ASSERT_TRUE(ChangePrefixInFile(store_, files_, path_).Ok());

  ASSERT_TRUE(RemoveAHotKey(store_, files_, path_, 1).Ok());
  EXPECT_EQ(FilesInFolder(), 1u) << "no side file remains";
  const Bytes file = Read();
  ASSERT_EQ(file.size(), 2 * kRecordSize);
  EXPECT_EQ(RecordAt(file, 1).Name, "addr");
  EXPECT_EQ(RecordAt(file, 1).PrefixKeys, "#");
  EXPECT_EQ(RecordAt(file, 1).ReplacementText, "12 High Street");
  EXPECT_EQ(RecordAt(file, 2).Active, 0);

  store_.prefixKeys.clear();
  const LoadResult loaded = ReloadHotKeys(store_, files_, path_);
  EXPECT_FALSE(loaded.message);
  EXPECT_EQ(store_.prefixKeys, "#");
  EXPECT_EQ(NodeNamesByRecordNo(store_), (std::vector<std::string>{"addr", "tel"}));
}

TEST_F(StdDataFileTest, AReaderThatOpenedTheFileBeforeADeleteKeepsTheOldContents) {
  Write(FileOfNames({"a", "b", "c"}));
  auto reader = files_.Open(path_, DataFileMode::ReadOnly);
  ASSERT_TRUE(reader);
  ASSERT_TRUE(RemoveAHotKey(store_, files_, path_, 1).Ok());

  EXPECT_EQ(reader->Size(), 3 * kRecordSize);
  RecordBytes record;
  ASSERT_TRUE(reader->ReadAt(2 * kRecordSize, record));
  EXPECT_EQ(DecodeRecord(record).Name, "c");
  EXPECT_EQ(Read(), FileOfNames({"b", "c"}));
}

TEST_F(StdDataFileTest, FileAccessPrimitives) {
  Write(FileOfNames({"a"}));
  EXPECT_EQ(files_.CreateNew(path_), nullptr) << "an existing file is never created over";
  EXPECT_EQ(Read(), FileOfNames({"a"}));
  EXPECT_EQ(files_.Open((folder_ / "none.wsn").string(), DataFileMode::ReadOnly), nullptr);
  EXPECT_EQ(files_.Open(folder_.string(), DataFileMode::ReadOnly), nullptr) << "a folder is not a data file";

  auto file = files_.Open(path_, DataFileMode::ReadWrite);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->Size(), kRecordSize);
  std::array<std::uint8_t, 8> bytes{};
  EXPECT_FALSE(file->ReadAt(kRecordSize - 4, bytes)) << "a short read is a failure";
  EXPECT_TRUE(file->ReadAt(0, bytes));
  EXPECT_TRUE(file->WriteAt(kRecordSize, bytes));
  EXPECT_EQ(file->Size(), kRecordSize + 8);
  EXPECT_TRUE(file->Truncate(kRecordSize));
  EXPECT_EQ(file->Size(), kRecordSize);
  EXPECT_TRUE(file->Close());
  EXPECT_FALSE(file->Close());

  std::string sidePath;
  auto side = files_.CreateSideFile(path_, sidePath);
  ASSERT_TRUE(side);
  EXPECT_EQ(fs::path(sidePath).parent_path(), folder_);
  EXPECT_TRUE(side->Close());
  EXPECT_TRUE(files_.Replace(sidePath, path_));
  EXPECT_FALSE(files_.Exists(sidePath));
  EXPECT_EQ(fs::file_size(path_), 0u);
  EXPECT_TRUE(files_.Remove(path_));
  EXPECT_FALSE(files_.Exists(path_));
}

TEST_F(StdDataFileTest, OneFileUnderTwoNamesIsKnownAsOneAndADeleteChangesBoth) {
  Write(FileOfNames({"a", "b", "c"}));
  const std::string other = (folder_ / "LINKED.WSN").string();
  fs::create_hard_link(path_, other);
  EXPECT_EQ(files_.SameFile(other, path_), std::optional<bool>(true));
  EXPECT_EQ(files_.SameFile((folder_ / "none.wsn").string(), path_), std::nullopt);
  EXPECT_FALSE(files_.Exists(folder_.string())) << "a folder is no file";
  EXPECT_EQ(files_.Open(path_, DataFileMode::ReadOnly)->Links(), 2u);

  ASSERT_TRUE(RemoveAHotKey(store_, files_, path_, 2).Ok());
  EXPECT_EQ(Read(), FileOfNames({"a", "c"}));
  EXPECT_EQ(files_.SameFile(other, path_), std::optional<bool>(true)) << "still one file";
  EXPECT_EQ(FilesInFolder(), 2u) << "no side file remains";
}

}  // namespace
}  // namespace wordsnap::store_test
