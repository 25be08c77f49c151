#include "core/transfer/text_import.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/settings/settings.h"
#include "core/transfer/text_export.h"
#include "transfer/import_entries.h"
#include "transfer/transfer_fixture.h"

namespace wordsnap::transfer_test {
namespace {

Pairs Read(const std::string& bytes) {
  const TextImportRead read = ReadTextImportFile(bytes);
  EXPECT_TRUE(read.formatOk) << bytes;
  return Entries(read.list);
}

TEST(TextImportTest, LineRules) {
  const struct {
    const char* what;
    std::string bytes;
    Pairs entries;
  } cases[] = {
      {"two blocks", "<ITEM NAME>A\r\nx\r\n<ITEM NAME>B\r\ny", {{"A", "x"}, {"B", "y"}}},
      {"a two-line text", "<ITEM NAME>sig\r\nDear Sir\r\nYours", {{"sig", "Dear Sir\r\nYours"}}},
      {"an empty text in the middle",
       "<ITEM NAME>a\r\n1\r\n<ITEM NAME>e\r\n\r\n<ITEM NAME>c\r\n3",
       {{"a", "1"}, {"e", ""}, {"c", "3"}}},
      {"an empty text at the end", "<ITEM NAME>a\r\n1\r\n<ITEM NAME>e\r\n", {{"a", "1"}, {"e", ""}}},
      {"the file ends with a name line", "<ITEM NAME>a\r\n1\r\n<ITEM NAME>e", {{"a", "1"}, {"e", ""}}},
      {"only a name line", "<ITEM NAME>a", {{"a", ""}}},
      {"a text ending in a line break",
       "<ITEM NAME>a\r\nline\r\n\r\n<ITEM NAME>b\r\n2",
       {{"a", "line\r\n"}, {"b", "2"}}},
      {"a line break after the last text", "<ITEM NAME>a\r\nx\r\n", {{"a", "x\r\n"}}},
      {"a name line right after a name line",
       "<ITEM NAME>a\r\n<ITEM NAME>b\r\ntext",
       {{"a", "<ITEM NAME>b\r\ntext"}}},
      {"a later text line that begins with the marker",
       "<ITEM NAME>a\r\none\r\n<ITEM NAME>b two\r\nthree",
       {{"a", "one"}, {"b two", "three"}}},
      {"the marker inside the first text line", "<ITEM NAME>a\r\nxx<ITEM NAME>b", {{"a", "xx<ITEM NAME>b"}}},
      {"the marker not at a line start", "<ITEM NAME>a\r\n1\r\n <ITEM NAME>b", {{"a", "1\r\n <ITEM NAME>b"}}},
      {"the marker in lower case", "<ITEM NAME>a\r\n1\r\n<item name>b", {{"a", "1\r\n<item name>b"}}},
      {"an empty name", "<ITEM NAME>\r\nt", {{"", "t"}}},
      {"every byte but Ctrl+Z is kept", "<ITEM NAME>a\r\n\t\x01\xff\n\r \r\n", {{"a", "\t\x01\xff\n\r \r\n"}}},
      {"Ctrl+Z ends the file", "<ITEM NAME>a\r\nx\x1ay\r\n<ITEM NAME>b\r\nz", {{"a", "x"}}},
      {"a name line ended by CR alone", "<ITEM NAME>a\rxyz", {{"a", "xyz"}}},
      {"a name line ended by LF alone", "<ITEM NAME>a\nxyz", {{"a\nxyz", ""}}},
      {"empty file", "", {}},
      {"Ctrl+Z only", "\x1a<ITEM NAME>a", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.bytes), c.entries) << c.what;
}

TEST(TextImportTest, AFileThatDoesNotBeginWithANameLineIsRefused) {
  for (const std::string bytes : {"Hello\r\n<ITEM NAME>a\r\nx", "\r\n<ITEM NAME>a", " <ITEM NAME>a", "<ITEM NAME"}) {
    const TextImportRead read = ReadTextImportFile(bytes);
    EXPECT_FALSE(read.formatOk) << bytes;
    EXPECT_TRUE(read.list.empty()) << bytes;
  }
  EXPECT_EQ(WrongTextFormatMessage(),
            (StoreMessage{"The text file chosen does not appear to have the correct format required by Wordsnaps.",
                          "Error"}));
}

TEST(TextImportTest, NamesComeFromTheFirst255CharactersOfTheirLine) {
  const std::string longName(400, 'n');
  const Pairs entries = Read("<ITEM NAME>" + longName + "\r\nx\r\n<ITEM NAME>" + longName + "\r\ny");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].first, std::string(255 - 11, 'n')) << "first line: 255 characters less the marker";
  EXPECT_EQ(entries[0].second, "x") << "the rest of the name line is skipped";
  EXPECT_EQ(entries[1].first, std::string(255 - 13, 'n')) << "later: less the line break and the marker";
  EXPECT_EQ(entries[1].second, "y");
}

TEST(TextImportTest, ALongLineKeepsIts3000FirstCharactersAndItsLast) {
  std::string line;
  for (int i = 0; i < 4000; ++i) line += static_cast<char>('a' + i % 26);
  // The first line after the name line has no line break before it in the buffer.
  Pairs entries = Read("<ITEM NAME>a\r\n" + line);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].second, line.substr(0, 3000) + line.back());
  // A later line's buffer starts with the CR LF before it.
  entries = Read("<ITEM NAME>a\r\nfirst\r\n" + line + "\r\n<ITEM NAME>b\r\nt");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].second, "first\r\n" + line.substr(0, 2998) + line.back());
  EXPECT_EQ(entries[1], (std::pair<std::string, std::string>{"b", "t"}));
}

TEST(TextImportTest, TheCollectedTextStopsAt5000Characters) {
  std::string file = "<ITEM NAME>a\r\n" + std::string(2000, 'x');
  for (int i = 0; i < 10; ++i) file += "\r\n" + std::string(1000, static_cast<char>('0' + i));
  file += "\r\n<ITEM NAME>b\r\nnext";
  const Pairs entries = Read(file);
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].second.size(), 5000u);
  EXPECT_EQ(entries[0].second, (std::string(2000, 'x') + "\r\n" + std::string(1000, '0') + "\r\n" +
                                std::string(1000, '1') + "\r\n" + std::string(1000, '2'))
                                   .substr(0, 5000));
  EXPECT_EQ(entries[1], (std::pair<std::string, std::string>{"b", "next"}));
}

TEST_F(TransferTest, ExportThenImportGivesBackTheNamesAndTexts) {
  const std::vector<WordsnapRecord> records = {
      Snap("sig", "Dear Sir\r\nYours"), Snap("empty", ""),          Snap("crlf", "ends\r\n"),
      Snap("lead", "\r\nstarts"),       Snap("cr", "a\rb\r"),       Snap("lf", "a\nb\n"),
      Snap("full", std::string(3000, 'f')), Snap("bytes", "\t\x01\xff\""), Snap("last", ""),
  };
  files.Put(kDataPath, store_test::FileOf(records));
  Load();
  StringExportOutput out;
  ASSERT_EQ(ExportWordsnaps(store, files, path, out).outcome, ExportOutcome::Done);

  TextImportRead read = ReadTextImportFile(out.bytes);
  ASSERT_TRUE(read.formatOk);
  Pairs expected;
  for (const auto& record : records) expected.emplace_back(record.Name, record.ReplacementText);
  EXPECT_EQ(Entries(read.list), expected);

  // Into an empty data file through the whole pipeline.
  const std::string second = "C:\\DATA\\NEW.WSN";
  files.Put(second, {});
  WordsnapStore into;
  LoadTheHotKeys(into, files, second);
  const ImportCounts counts = AddImportList(read.list, kDuplicateSettingImport, {into, files, second}, host);
  EXPECT_EQ(counts.appended, static_cast<std::int32_t>(records.size()));
  EXPECT_TRUE(host.messages.empty());
  Pairs imported;
  const Bytes& file = files.Content(second);
  for (std::size_t n = 1; n * kRecordSize <= file.size(); ++n) {
    const WordsnapRecord record = store_test::RecordAt(file, n);
    imported.emplace_back(record.Name, record.ReplacementText);
  }
  std::sort(imported.begin(), imported.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(imported, expected);
}

}  // namespace
}  // namespace wordsnap::transfer_test
