#include "core/transfer/transfer_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "core/settings/settings.h"
#include "core/transfer/ascii_import.h"
#include "core/transfer/text_import.h"
#include "transfer/transfer_fixture.h"

namespace wordsnap::transfer_test {
namespace {

using Strings = std::vector<std::string>;

// Plays the user and the window: answers each step as scripted and logs it.
class ScriptedTransferHost : public TransferHost {
 public:
  bool TakeLock() override {
    log.push_back("take lock");
    return lockGranted;
  }
  void ReleaseLock(bool changed) override { log.push_back(changed ? "release changed" : "release unchanged"); }
  bool ConfirmNotice(const std::string& text) override {
    log.push_back("confirm " + text);
    return noticeOk;
  }
  void ShowNotice(const std::string& text) override { log.push_back("notice " + text); }
  std::int32_t RunImportOptions() override {
    log.push_back("duplicates dialog");
    return mode;
  }
  std::optional<std::string> ChooseFile(const FileDialogSpec& dialog) override {
    log.push_back(std::string("choose ") + dialog.title);
    return chosen;
  }
  std::optional<std::string> ReadWholeFile(const std::string& path) override {
    log.push_back("read " + path);
    const auto found = disk.find(path);
    if (found == disk.end()) return std::nullopt;
    return found->second;
  }
  std::unique_ptr<ExportOutput> CreateExportFile(const std::string& path) override {
    log.push_back("create " + path);
    if (!canCreate) return nullptr;
    struct Output : ExportOutput {
      Output(ScriptedTransferHost& host, std::string path) : host(host), path(std::move(path)) {}
      bool Write(std::string_view bytes) override {
        host.disk[path].append(bytes);
        return true;
      }
      bool Close() override { return host.closeWorks; }
      ScriptedTransferHost& host;
      std::string path;
    };
    disk[path].clear();
    return std::make_unique<Output>(*this, path);
  }
  void SetBusyCursor(bool busy) override { log.push_back(busy ? "hourglass" : "normal cursor"); }
  void FillList() override { log.push_back("fill list"); }
  void ShowMessage(const StoreMessage& message) override { log.push_back(message.caption + ": " + message.text); }
  bool AskDuplicate(const std::string&) override {
    log.push_back("duplicate question");
    return true;
  }

  bool lockGranted = true;
  bool noticeOk = true;
  std::int32_t mode = kDuplicateSettingImport;
  std::optional<std::string> chosen = "C:\\IN.TXT";
  std::map<std::string, std::string> disk;
  bool canCreate = true;
  bool closeWorks = true;
  Strings log;
};

class TransferCommandTest : public TransferTest {
 protected:
  ScriptedTransferHost user;
};

TEST_F(TransferCommandTest, AsciiImportStepByStep) {
  files.Put(kDataPath, store_test::FileOf({Snap("b", "old")}));
  Load();
  user.mode = kDuplicateSettingReplace;
  user.disk["C:\\IN.TXT"] = "\"c\",\"see\"\r\n\"a\",\"ay\"\r\n\"b\",\"new\"\r\n";
  const ImportCommandResult result = DoImportAscii(user, Target());
  EXPECT_EQ(user.log, (Strings{"take lock", std::string("confirm ") + kAsciiImportNotice, "duplicates dialog",
                               "choose Import From ASCII Delimited File", "hourglass", "read C:\\IN.TXT", "fill list",
                               "normal cursor", "release changed"}));
  EXPECT_TRUE(result.ran);
  EXPECT_EQ(result.counts.appended, 2);
  EXPECT_EQ(result.counts.replaced, 1);
  EXPECT_EQ(store_test::NamesIn(DataFile()), (Strings{"b", "a", "c"}));
  EXPECT_EQ(Record(1).ReplacementText, "new");
}

TEST_F(TransferCommandTest, TextImportStepByStep) {
  Load();
  user.disk["C:\\IN.TXT"] = "<ITEM NAME>sig\r\nDear Sir\r\nYours";
  const ImportCommandResult result = DoImport(user, Target());
  EXPECT_EQ(user.log, (Strings{"take lock", std::string("confirm ") + kTextImportNotice, "duplicates dialog",
                               "choose Text File Import", "hourglass", "read C:\\IN.TXT", "fill list",
                               "normal cursor", "release changed"}));
  EXPECT_EQ(result.counts.appended, 1);
  EXPECT_EQ(Record(1).ReplacementText, "Dear Sir\r\nYours");
}

// Every way out of an import that writes nothing: the data file stays as it was,
// the cursor is normal again and a lock that was taken is released as changed.
TEST_F(TransferCommandTest, EveryRefusalLeavesTheFileAndReleasesTheLock) {
  const Bytes file = store_test::FileOfNames({"keep"});
  const std::string asciiRefusal = "Error: The file selected does not appear to be an ASCII delimited text file.";
  const struct {
    const char* what;
    bool ascii;
    std::function<void(ScriptedTransferHost&)> script;
    std::string lastBeforeRelease;
  } cases[] = {
      {"lock refused", true, [](auto& u) { u.lockGranted = false; }, ""},
      {"notice cancelled", true, [](auto& u) { u.noticeOk = false; }, "confirm By its very nature"},
      {"dialog cancelled", false, [](auto& u) { u.chosen.reset(); }, "choose Text File Import"},
      {"file unreadable", true, [](auto&) {},
       "Error: C:\\IN.TXT could not be opened or read.  No Wordsnaps were imported."},
      {"status 3", true, [](auto& u) { u.disk["C:\\IN.TXT"] = "\"a\",\"b\",\"c\"\r\n\"d\",\"e\"\r\n"; },
       asciiRefusal},
      {"wrong text format", false, [](auto& u) { u.disk["C:\\IN.TXT"] = "Hello\r\n<ITEM NAME>a\r\nb"; },
       "Error: The text file chosen does not appear to have the correct format required by Wordsnaps."},
  };
  for (const auto& c : cases) {
    files.Put(kDataPath, file);
    Load();
    ScriptedTransferHost scripted;
    c.script(scripted);
    const ImportCommandResult result = c.ascii ? DoImportAscii(scripted, Target()) : DoImport(scripted, Target());
    EXPECT_FALSE(result.ran) << c.what;
    EXPECT_EQ(DataFile(), file) << c.what;
    EXPECT_EQ(CountNodes(store.tree), 1u) << c.what;
    const Strings& log = scripted.log;
    EXPECT_EQ(std::count(log.begin(), log.end(), "hourglass"), std::count(log.begin(), log.end(), "normal cursor"))
        << c.what;
    EXPECT_EQ(std::count(log.begin(), log.end(), "fill list"), 0) << c.what;
    if (c.lastBeforeRelease.empty()) {
      EXPECT_EQ(log, (Strings{"take lock"})) << c.what;
      continue;
    }
    ASSERT_GE(log.size(), 2u) << c.what;
    EXPECT_EQ(log.back(), "release changed") << c.what;
    EXPECT_EQ(log[log.size() - 2].substr(0, c.lastBeforeRelease.size()), c.lastBeforeRelease) << c.what;
  }
}

TEST_F(TransferCommandTest, ExportStepByStep) {
  files.Put(kDataPath, store_test::FileOf({Snap("a", "x"), Snap("b", "y")}));
  Load();
  user.chosen = "C:\\OUT.TXT";
  const std::optional<ExportResult> result = DoExport(user, store, files, path);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->exported, 2);
  EXPECT_EQ(user.disk["C:\\OUT.TXT"], "<ITEM NAME>a\r\nx\r\n<ITEM NAME>b\r\ny");
  EXPECT_EQ(user.log, (Strings{"notice Wordsnaps exports the data in a format that can be re-imported into Wordsnaps.",
                               "choose Text File Export", "create C:\\OUT.TXT", "hourglass", "normal cursor",
                               "Ok: Export Complete."}));
}

TEST_F(TransferCommandTest, ExportFailuresAreToldAndCancelWritesNothing) {
  Load();
  user.chosen.reset();
  EXPECT_FALSE(DoExport(user, store, files, path));
  EXPECT_TRUE(user.disk.empty());

  user.chosen = "C:\\OUT.TXT";
  user.canCreate = false;
  user.log.clear();
  EXPECT_FALSE(DoExport(user, store, files, path));
  EXPECT_EQ(user.log.back(), "Error: C:\\OUT.TXT could not be created.  No Wordsnaps were exported.");

  user.canCreate = true;
  user.closeWorks = false;
  user.log.clear();
  const std::optional<ExportResult> result = DoExport(user, store, files, path);
  ASSERT_TRUE(result);
  EXPECT_EQ(result->outcome, ExportOutcome::WriteFailed);
  EXPECT_EQ(user.log.back(), "Error: The export file C:\\OUT.TXT could not be written to the end.  It may be incomplete.");
}

TEST_F(TransferCommandTest, ExportRefusesTheDataFileInUseAndItsSyncFile) {
  files.Put(kDataPath, store_test::FileOf({Snap("a", "x")}));
  files.Link(kDataPath, "C:\\DATA\\KEYWSN~1.TXT");
  Load();
  for (const char* target : {"C:\\DATA\\KEYWSN~1.TXT", "c:\\data\\key.wsy"}) {
    user.log.clear();
    user.chosen = target;
    EXPECT_FALSE(DoExport(user, store, files, path)) << target;
    ASSERT_EQ(user.log.size(), 3u) << target;
    EXPECT_EQ(user.log[1], "choose Text File Export");
    EXPECT_EQ(user.log[2].substr(0, 7 + std::string(target).size()), std::string("Error: ") + target);
    EXPECT_TRUE(user.disk.empty()) << "nothing was created";
  }
  EXPECT_EQ(DataFile(), store_test::FileOf({Snap("a", "x")}));
}

// A message box brings the normal cursor back; the import sets the hourglass
// again after each one until it ends.
TEST_F(TransferCommandTest, TheImportKeepsTheHourglassAfterItsMessages) {
  files.Put(kDataPath, store_test::FileOf({Snap("dup", "old")}));
  Load();
  user.mode = kDuplicateSettingPrompt;
  user.disk["C:\\IN.TXT"] = "\"abcdefghijkl\",\"long\"\r\n\"dup\",\"new\"\r\n";
  DoImportAscii(user, Target());
  const auto first = std::find(user.log.begin(), user.log.end(), "hourglass");
  const auto last = std::find(user.log.begin(), user.log.end(), "normal cursor");
  ASSERT_LT(first, last);
  const Strings during(first, last);
  int boxes = 0;
  for (std::size_t i = 0; i < during.size(); ++i) {
    if (during[i] != "duplicate question" && during[i].rfind("Error: ", 0) != 0) continue;
    ++boxes;
    ASSERT_LT(i + 1, during.size());
    EXPECT_EQ(during[i + 1], "hourglass") << "after " << during[i];
  }
  EXPECT_EQ(boxes, 2);
}

// An add that could not be written takes back the record count raised for it, so
// the export that follows neither ends in a line break nor misses a Wordsnap.
TEST_F(TransferCommandTest, AnExportAfterAFailedAddWritesTheFileAsItIs) {
  files.Put(kDataPath, store_test::FileOf({Snap("a", "x"), Snap("b", "y")}));
  Load();
  files.Unopenable.insert(kDataPath);
  ++store.recordCount;  // as the editor does for the Wordsnap it adds
  store.current.Record = Snap("c", "z");
  EXPECT_FALSE(AddAHotKey(store, files, path, kAppendRecord).Ok());
  files.Unopenable.clear();

  StringExportOutput out;
  const ExportResult result = ExportWordsnaps(store, files, path, out);
  EXPECT_EQ(result.outcome, ExportOutcome::Done);
  EXPECT_EQ(result.exported, 2);
  EXPECT_EQ(out.bytes, "<ITEM NAME>a\r\nx\r\n<ITEM NAME>b\r\ny");
}

}  // namespace
}  // namespace wordsnap::transfer_test
