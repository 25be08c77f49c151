#include "core/transfer/ascii_import.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "transfer/import_entries.h"

namespace wordsnap {
namespace {

using transfer_test::Entries;
using transfer_test::Pairs;

FirstLineStatus FirstLineOf(const std::string& bytes) {
  ImportFileReader file(bytes);
  return GetFirstLine(file);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

TEST(AsciiImportTest, FirstLineStatuses) {
  const std::string field3000(3000, 'x');
  const struct {
    const char* what;
    std::string bytes;
    FirstLineStatus status;
  } cases[] = {
      {"two fields", "\"abc\",\"hello\"\r\n", FirstLineStatus::Acceptable},
      {"two fields, no line end", "\"abc\",\"hello\"", FirstLineStatus::Acceptable},
      {"two fields then Ctrl+Z", "\"abc\",\"hello\"\x1a junk", FirstLineStatus::Acceptable},
      {"one quoted field", "\"abc\"\r\n\"x\",\"y\"", FirstLineStatus::Acceptable},
      {"empty file", "", FirstLineStatus::Acceptable},
      {"a comma after the second field", "\"a\",\"b\",\r\n", FirstLineStatus::Acceptable},
      {"only the first line counts", "\"a\",\"b\"\r\n\"c\",\"d\",\"e\"\r\n", FirstLineStatus::Acceptable},
      {"a field of 3000", Quoted(field3000) + ",\"t\"\r\n", FirstLineStatus::Acceptable},
      {"a second field of 3000", "\"n\"," + Quoted(field3000), FirstLineStatus::Acceptable},
      {"a field of 3001", Quoted(field3000 + "y") + ",\"t\"\r\n", FirstLineStatus::FieldTooLong},
      {"an unquoted 3001 before the line end", field3000 + "yy", FirstLineStatus::FieldTooLong},
      {"second field not closed", "\"abc\",\"hello\r\n\"x\",\"y\"\r\n", FirstLineStatus::UnexpectedLineEnd},
      {"plain words", "Hello\r\n", FirstLineStatus::UnexpectedLineEnd},
      {"an opening quote alone", "\"\r\n", FirstLineStatus::UnexpectedLineEnd},
      {"three fields", "\"a\",\"b\",\"c\"\r\n", FirstLineStatus::TooManyFields},
      {"three fields, the third unquoted", "\"a\",\"b\",c\r\n", FirstLineStatus::TooManyFields},
      // Lines that end in LF alone never end a line: the whole file reads as one.
      {"LF line ends", "\"a\",\"b\"\n\"c\",\"d\"\n", FirstLineStatus::TooManyFields},
  };
  for (const auto& c : cases) EXPECT_EQ(FirstLineOf(c.bytes), c.status) << c.what;
}

TEST(AsciiImportTest, ReadingRules) {
  const std::string file =
      "\"abc\",\"hello\"\r\n"
      "\r\n"                                   // blank line: nothing
      "\"single\"\r\n"                         // one field: nothing
      "\"sp\", \"leading space\"\r\n"          // a space before the opening quote is kept
      "\"t\tab\",\"x\ty\"\r\n"                 // TAB dropped
      "\"one\",\"two\",\"three\"\r\n"          // the third field alone yields nothing
      "\"f1\",\"f2\",\"f3\",\"f4\"\r\n"        // four fields: two entries
      "\"open\",\"not closed\r\n"              // kept as far as read
      "pre\"q\",\"r\"\r\n"                     // characters before the opening quote count
      "\"last\",\"no line end\"";
  EXPECT_EQ(Entries(ReadAsciiDelimitedFile(file)), (Pairs{{"abc", "hello"},
                                                          {"sp", " leading space"},
                                                          {"tab", "xy"},
                                                          {"one", "two"},
                                                          {"f1", "f2"},
                                                          {"f3", "f4"},
                                                          {"open", "not closed"},
                                                          {"preq", "r"},
                                                          {"last", "no line end"}}));
}

TEST(AsciiImportTest, FilesThatImportNothing) {
  for (const std::string file : {"", "\r\n\r\n", "\"a\"\r\n\"b\"\r\n\"c\"", "\x1a\"a\",\"b\"", "just words\r\n"}) {
    EXPECT_TRUE(ReadAsciiDelimitedFile(file).empty()) << file;
  }
}

TEST(AsciiImportTest, CtrlZEndsTheFileAndLineEndsNeedNoLineFeed) {
  EXPECT_EQ(Entries(ReadAsciiDelimitedFile("\"a\",\"b\"\r\"c\",\"d\"\x1a\"e\",\"f\"")),
            (Pairs{{"a", "b"}, {"c", "d"}}));
}

// A quote inside a field that neither ends the line nor comes before a comma:
// a doubled quote stands for one, any other is kept; the check and the reader agree.
TEST(AsciiImportTest, QuotesInsideAFieldReadAlikeInCheckAndReader) {
  const struct {
    std::string line;
    FirstLineStatus status;
    Pairs entries;
  } cases[] = {
      {"\"say \"\"hi\"\"\",\"x\"", FirstLineStatus::Acceptable, {{"say \"hi\"", "x"}}},
      {"\"a\"b\",\"x\"", FirstLineStatus::Acceptable, {{"a\"b", "x"}}},
      {"\"\"\"\",\"\"", FirstLineStatus::Acceptable, {{"\"", ""}}},
      {"\"\",\"\"", FirstLineStatus::Acceptable, {{"", ""}}},
      {"\"n\",\"t\" ", FirstLineStatus::UnexpectedLineEnd, {{"n", "t\" "}}},
      {"\"n\",\"t\"\"", FirstLineStatus::UnexpectedLineEnd, {{"n", "t\""}}},
      {"\"a\" ,\"b\"", FirstLineStatus::Acceptable, {}},  // one field: a" ,"b
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FirstLineOf(c.line + "\r\n"), c.status) << c.line;
    EXPECT_EQ(Entries(ReadAsciiDelimitedFile(c.line + "\r\n")), c.entries) << c.line;
  }
}

TEST(AsciiImportTest, LaterFieldsKeepOneCharacterOverTheLimitAndNoMore) {
  const std::string text3000(3000, 't');
  const std::string file = "\"a\",\"short\"\r\n"
                           "\"b\"," + Quoted(text3000) + "\r\n" +
                           "\"c\"," + Quoted(text3000 + "u") + "\r\n" +
                           "\"d\"," + Quoted(std::string(20000, 'v')) + "\r\n" +
                           Quoted(std::string(5000, 'n')) + ",\"text\"\r\n"
                           "\"e\",\"after\"";
  const ImportList list = ReadAsciiDelimitedFile(file);
  ASSERT_EQ(list.size(), 6u);
  EXPECT_EQ(list[1].Text(), text3000);
  EXPECT_EQ(list[2].Text(), text3000 + "u");
  EXPECT_EQ(list[3].Text(), std::string(3001, 'v'));
  EXPECT_EQ(list[4].Name(), std::string(3001, 'n'));
  EXPECT_EQ(list[4].Text(), "text");
  EXPECT_EQ(Entries({list[5]}), (Pairs{{"e", "after"}}));
}

TEST(AsciiImportTest, RefusalMessages) {
  const std::string start =
      "The file selected does not appear to be an ASCII delimited text file.  An ASCII delimited file requires a "
      "unique format of each field being surrounded by double quotes and separated by a comma.  ";
  EXPECT_EQ(FirstLineRefusalMessage(FirstLineStatus::FieldTooLong),
            (StoreMessage{start + "The selected file has a field that is greater than 3000 characters.", "Error"}));
  EXPECT_EQ(FirstLineRefusalMessage(FirstLineStatus::UnexpectedLineEnd).text,
            start + "The selected file had an unexpected end of a line most likely due to an unmatched quote.");
  EXPECT_EQ(FirstLineRefusalMessage(FirstLineStatus::TooManyFields).text,
            start + "The selected file has too many fields.  There are only 2 fields than are required by Wordsnaps.");
}

}  // namespace
}  // namespace wordsnap
