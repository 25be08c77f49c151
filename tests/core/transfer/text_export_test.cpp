#include "core/transfer/text_export.h"

#include <gtest/gtest.h>

#include "transfer/transfer_fixture.h"

namespace wordsnap::transfer_test {
namespace {

class ExportTest : public TransferTest {
 protected:
  std::string Export(const std::vector<WordsnapRecord>& records) {
    files.Put(kDataPath, store_test::FileOf(records));
    Load();
    StringExportOutput out;
    result = ExportWordsnaps(store, files, path, out);
    return out.bytes;
  }
  ExportResult result;
};

TEST_F(ExportTest, BlocksInDataFileOrderWithNoLineBreakAfterTheLast) {
  const struct {
    const char* what;
    std::vector<WordsnapRecord> records;
    std::string bytes;
  } cases[] = {
      {"two Wordsnaps", {Snap("B", "x"), Snap("A", "y")}, "<ITEM NAME>B\r\nx\r\n<ITEM NAME>A\r\ny"},
      {"a two-line text", {Snap("sig", "Dear Sir\r\nYours")}, "<ITEM NAME>sig\r\nDear Sir\r\nYours"},
      {"an empty text in the middle",
       {Snap("a", "1"), Snap("e", ""), Snap("c", "3")},
       "<ITEM NAME>a\r\n1\r\n<ITEM NAME>e\r\n\r\n<ITEM NAME>c\r\n3"},
      {"an empty text at the end", {Snap("a", "1"), Snap("e", "")}, "<ITEM NAME>a\r\n1\r\n<ITEM NAME>e\r\n"},
      {"a text ending in a line break",
       {Snap("a", "line\r\n"), Snap("b", "2")},
       "<ITEM NAME>a\r\nline\r\n\r\n<ITEM NAME>b\r\n2"},
      {"an empty data file", {}, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Export(c.records), c.bytes) << c.what;
    EXPECT_EQ(result.outcome, ExportOutcome::Done) << c.what;
    EXPECT_EQ(result.exported, static_cast<std::int32_t>(c.records.size())) << c.what;
  }
  EXPECT_EQ(ExportCompleteMessage(), (StoreMessage{"Export Complete.", "Ok"}));
}

TEST_F(ExportTest, ExportOnlyReadsTheDataFile) {
  const Bytes file = store_test::FileOfNames({"a", "b", "c"});
  files.Put(kDataPath, file);
  Load();
  StringExportOutput out;
  ExportWordsnaps(store, files, path, out);
  EXPECT_EQ(DataFile(), file);
}

TEST_F(ExportTest, ARecordThatCannotBeReadStopsTheExportAndSaysHowFarItGot) {
  files.Put(kDataPath, store_test::FileOfNames({"a", "b", "c"}));
  Load();
  files.Put(kDataPath, store_test::FileOfNames({"a", "b"}));  // shortened by another copy since
  StringExportOutput out;
  const ExportResult result = ExportWordsnaps(store, files, path, out);
  EXPECT_EQ(result.outcome, ExportOutcome::ReadFailed);
  EXPECT_EQ(result.exported, 2);
  EXPECT_EQ(result.failure, (StoreMessage{"The export stopped: Wordsnap 3 could not be read from C:\\DATA\\KEY.WSN.  "
                                          "2 of 3 Wordsnaps were exported.",
                                          "Error"}));
  EXPECT_EQ(out.bytes, "<ITEM NAME>a\r\ntext of a\r\n<ITEM NAME>b\r\ntext of b\r\n");
}

TEST_F(ExportTest, AFailedWriteStopsTheExport) {
  struct FailingOutput : ExportOutput {
    bool Write(std::string_view bytes) override {
      if (++writes > 1) return false;
      written.append(bytes);
      return true;
    }
    int writes = 0;
    std::string written;
  } out;
  files.Put(kDataPath, store_test::FileOfNames({"a", "b", "c"}));
  Load();
  const ExportResult result = ExportWordsnaps(store, files, path, out);
  EXPECT_EQ(result.outcome, ExportOutcome::WriteFailed);
  EXPECT_EQ(out.writes, 2) << "nothing is tried after the failure";
  EXPECT_EQ(result.failure->text,
            "The export stopped: the export file could not be written.  1 of 3 Wordsnaps were exported.");
}

}  // namespace
}  // namespace wordsnap::transfer_test
