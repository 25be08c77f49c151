// The list output file: its blocks byte for byte, and what a failing read,
// write or create leaves behind.
#include "core/list_output/list_output.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <streambuf>
#include <vector>

namespace wordsnap {
namespace {

namespace fs = std::filesystem;

ListOutputRowReader ReaderOf(const std::vector<ListOutputEntry>& entries) {
  return [&entries](int row) -> std::optional<ListOutputEntry> { return entries.at(static_cast<std::size_t>(row)); };
}

TEST(ListOutputBlock, WritesNameTextAndEmptyLineWithCrLf) {
  struct Case {
    ListOutputEntry entry;
    std::string bytes;
  };
  const Case cases[] = {
      {{"abc", "Hello\r\nWorld"}, "Wordsnap: abc\r\nReplacement Text: Hello\r\nWorld\r\n\r\n"},
      {{"e", ""}, "Wordsnap: e\r\nReplacement Text: \r\n\r\n"},
      // Text exactly as stored: a lone LF, a tab and a byte above 127 pass untouched.
      {{"x", "a\nb\t\xE9"}, "Wordsnap: x\r\nReplacement Text: a\nb\t\xE9\r\n\r\n"},
      // The name line holds at most 20 characters.
      {{"ABCDEFGHIJKL", "t"}, "Wordsnap: ABCDEFGHIJ\r\nReplacement Text: t\r\n\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(ListOutputBlock(c.entry), c.bytes) << c.entry.name;
}

TEST(ListOutput, WritesBlocksInRowOrderAndEndsWithTheLastEmptyLine) {
  const std::vector<ListOutputEntry> rows = {{"zeta", "last in file"}, {"abc", "Hello\r\nWorld"}};
  std::ostringstream out;
  const ListOutputResult result = WriteListOutput(out, 2, ReaderOf(rows));
  EXPECT_EQ(result.outcome, ListOutputOutcome::Written);
  EXPECT_EQ(result.rowsWritten, 2);
  EXPECT_EQ(out.str(),
            "Wordsnap: zeta\r\nReplacement Text: last in file\r\n\r\n"
            "Wordsnap: abc\r\nReplacement Text: Hello\r\nWorld\r\n\r\n");
  EXPECT_FALSE(ListOutputMessage(result));
}

TEST(ListOutput, StopsAtARowThatCannotBeReadKeepingTheBlocksBefore) {
  std::ostringstream out;
  std::vector<int> asked;
  const ListOutputResult result = WriteListOutput(out, 3, [&](int row) -> std::optional<ListOutputEntry> {
    asked.push_back(row);
    if (row == 1) return std::nullopt;
    return ListOutputEntry{"n" + std::to_string(row), "t"};
  });
  EXPECT_EQ(result.outcome, ListOutputOutcome::ReadFailed);
  EXPECT_EQ(result.failedRow, 1);
  EXPECT_EQ(asked, (std::vector<int>{0, 1}));
  EXPECT_EQ(out.str(), "Wordsnap: n0\r\nReplacement Text: t\r\n\r\n");
  EXPECT_FALSE(ListOutputMessage(result)) << "the read's own message is shown";
}

// A device that takes `room` bytes and then refuses, as a full disk does.
class FullDiskBuffer : public std::streambuf {
 public:
  explicit FullDiskBuffer(std::size_t room) : room_(room) {}
  std::string taken;

 protected:
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    if (taken.size() >= room_) return traits_type::eof();
    taken.push_back(traits_type::to_char_type(c));
    return c;
  }

 private:
  std::size_t room_;
};

TEST(ListOutput, AFailedWriteStopsWithAMessageInsteadOfCarryingOn) {
  FullDiskBuffer disk(50);
  std::ostream out(&disk);
  int reads = 0;
  const ListOutputResult result = WriteListOutput(out, 5, [&](int) -> std::optional<ListOutputEntry> {
    ++reads;
    return ListOutputEntry{"abc", "Hello"};
  });
  EXPECT_EQ(result.outcome, ListOutputOutcome::WriteFailed);
  EXPECT_EQ(result.rowsWritten, 1);
  EXPECT_EQ(reads, 2) << "nothing is read after the failure";
  EXPECT_EQ(ListOutputMessage(result), std::string(kUnableToWriteTextFile));
}

class ListOutputFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device seed;
    folder_ = fs::temp_directory_path() / ("wordsnap-output-" + std::to_string(seed()));
    ASSERT_TRUE(fs::create_directory(folder_));
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  fs::path folder_;
};

TEST_F(ListOutputFileTest, OverwritesAnExistingFileWithExactlyTheBlocks) {
  const fs::path path = folder_ / "LIST.TXT";
  std::ofstream(path, std::ios::binary) << "an older and much longer list that must not survive";
  const std::vector<ListOutputEntry> rows = {{"abc", "Hello\r\nWorld"}};
  const ListOutputResult result = WriteListOutputFile(path.string(), 1, ReaderOf(rows));
  EXPECT_EQ(result.outcome, ListOutputOutcome::Written);
  EXPECT_EQ(Read(path), "Wordsnap: abc\r\nReplacement Text: Hello\r\nWorld\r\n\r\n");
}

TEST_F(ListOutputFileTest, AFileInAMissingFolderIsNotCreatedAndNothingIsRead) {
  bool read = false;
  const ListOutputResult result =
      WriteListOutputFile((folder_ / "missing" / "LIST.TXT").string(), 1, [&](int) -> std::optional<ListOutputEntry> {
        read = true;
        return ListOutputEntry{};
      });
  EXPECT_EQ(result.outcome, ListOutputOutcome::NotCreated);
  EXPECT_FALSE(read);
  EXPECT_EQ(ListOutputMessage(result), std::string("Unable to create text file."));
}

TEST(ListOutputPath, UsesTheFirst255Characters) {
  const std::string longPath = "C:\\" + std::string(300, 'a');
  EXPECT_EQ(ListOutputPath(longPath), longPath.substr(0, 255));
  EXPECT_EQ(ListOutputPath("C:\\LIST.TXT"), "C:\\LIST.TXT");
}

}  // namespace
}  // namespace wordsnap
