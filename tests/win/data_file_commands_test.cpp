// The data file through the real file calls: one file told apart from another by
// the file itself, a delete that keeps the file and leaves nothing beside it, and
// the main window's file commands and writes that depend on them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "ImportOptions_ids.h"
#include "core/settings/file_locations.h"
#include "core/store/data_file_operations.h"
#include "core/store/output_target.h"
#include "core/sync/sync_record.h"
#include "core/version.h"
#include "main_window_fixture.h"
#include "options_ids.h"

namespace wordsnap {
namespace {

using Strings = std::vector<std::string>;
using win_test::Snap;

std::set<std::string> FilesIn(const std::string& folder) {
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.insert(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  return text;
}

// A folder inside the test's folder, removed however the test ends.
class SubFolder {
 public:
  explicit SubFolder(std::string path) : path_(std::move(path)) { CreateDirectoryA(path_.c_str(), nullptr); }
  ~SubFolder() { RemoveDirectoryA(path_.c_str()); }
  SubFolder(const SubFolder&) = delete;
  SubFolder& operator=(const SubFolder&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

class DataFileCommandsTest : public win_test::MainWindowFixture {
 protected:
  std::string Link(const std::string& existing, const std::string& name) {
    const std::string path = folder_ + "\\" + name;
    EXPECT_TRUE(CreateHardLinkA(path.c_str(), existing.c_str(), nullptr));
    created_.push_back(path);
    return path;
  }

  Strings NamesIn(const std::string& path) {
    Strings names;
    for (const WordsnapRecord& record : RecordsIn(path)) names.push_back(record.Name);
    return names;
  }

  SyncRecord SyncIn(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto record = DecodeSyncRecord(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    EXPECT_TRUE(record) << path;
    return record.value_or(SyncRecord{});
  }
};

TEST_F(DataFileCommandsTest, OneFileIsKnownUnderEveryNameOfIt) {
  const std::string data = DataFile("Long Data File.WSN", {Snap("a", "x")});
  const std::string other = DataFile("OTHER.TXT");
  char shortName[MAX_PATH] = {};
  ASSERT_GT(GetShortPathNameA(data.c_str(), shortName, MAX_PATH), 0u);
  std::string slashed = data;
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  const Strings spellings = {data, Upper(data), slashed, folder_ + "\\.\\Long Data File.WSN", shortName,
                             Link(data, "LINKED.TXT")};
  for (const std::string& name : spellings) {
    EXPECT_EQ(files_.SameFile(name, data), std::optional<bool>(true)) << name;
    EXPECT_TRUE(OutputOverDataFileRefusal(files_, name, data)) << name;
  }
  EXPECT_EQ(files_.SameFile(other, data), std::optional<bool>(false));
  EXPECT_FALSE(OutputOverDataFileRefusal(files_, other, data));
  EXPECT_FALSE(files_.SameFile(folder_ + "\\NOPE.TXT", data).has_value());

  EXPECT_TRUE(files_.Exists(data));
  EXPECT_FALSE(files_.Exists(folder_)) << "a folder is no file";
}

// Deleting keeps the data file the file it was, and nothing is left beside it:
// replaced with its attributes carried over where it can be, changed in place
// where it has another name or may not be replaced while another program holds it.
TEST_F(DataFileCommandsTest, DeleteKeepsTheFileAndLeavesNothingBesideIt) {
  const std::vector<WordsnapRecord> records = {Snap("a", "1"), Snap("b", "2"), Snap("c", "3")};
  {
    const std::string data = DataFile("KEY.WSN", records);
    WordsnapStore store;
    EXPECT_TRUE(RemoveAHotKey(store, files_, data, 2).Ok());
    EXPECT_EQ(NamesIn(data), (Strings{"a", "c"}));
    EXPECT_EQ(FilesIn(folder_), std::set<std::string>{"KEY.WSN"});
  }
  {
    const std::string data = DataFile("KEY.WSN", records);
    const std::string link = Link(data, "SHARED.WSN");
    WordsnapStore store;
    EXPECT_TRUE(RemoveAHotKey(store, files_, data, 1).Ok());
    EXPECT_EQ(NamesIn(data), (Strings{"b", "c"}));
    EXPECT_EQ(NamesIn(link), (Strings{"b", "c"})) << "the other name shows the change too";
    EXPECT_EQ(files_.SameFile(link, data), std::optional<bool>(true));
    EXPECT_EQ(FilesIn(folder_), (std::set<std::string>{"KEY.WSN", "SHARED.WSN"}));
    DeleteFileA(link.c_str());
  }
  {
    const std::string data = DataFile("KEY.WSN", records);
    // Another program reads it and lets others write but not rename or delete it.
    HANDLE holder = CreateFileA(data.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    WordsnapStore store;
    EXPECT_TRUE(RemoveAHotKey(store, files_, data, 3).Ok());
    EXPECT_EQ(NamesIn(data), (Strings{"a", "b"}));
    BY_HANDLE_FILE_INFORMATION held{};
    GetFileInformationByHandle(holder, &held);
    EXPECT_EQ(held.nFileSizeLow, 2 * kRecordSize) << "the holder sees the changed file";
    CloseHandle(holder);
    EXPECT_EQ(FilesIn(folder_), std::set<std::string>{"KEY.WSN"});
  }
}

TEST_F(DataFileCommandsTest, AFolderIsNoDataFileForTheCommandLineOrTheRecentFiles) {
  const std::string start = DataFile("START.WSN", {Snap("a", "x")});
  const SubFolder folder(folder_ + "\\FOLDER.WSN");
  state_.settings.currentFile = start;
  state_.settings.lastFiles = {folder.Path(), "", "", "", ""};
  HWND window = Open({"/F" + folder.Path()});
  EXPECT_EQ(win_test::WindowText(window), "Wordsnaps 2000 (START)");
  EXPECT_EQ(state_.settings.currentFile, start);
  EXPECT_TRUE(messages_.empty()) << messages_.front();

  Command(IDM_FILE_RECENT1);
  EXPECT_EQ(messages_, (Strings{"Error: File does not exist."}));
  EXPECT_EQ(state_.settings.currentFile, start);
  EXPECT_EQ(Rows().size(), 1u);
}

TEST_F(DataFileCommandsTest, NewFileOverAFileThatCannotBeEmptiedStaysWithTheOpenFile) {
  const std::string start = DataFile("START.WSN", {Snap("a", "x")});
  const std::string busy = DataFile("BUSY.WSN", {Snap("old", "y")});
  state_.settings.currentFile = start;
  Open();
  // Another program holds it and lets nobody else write to it.
  HANDLE holder = CreateFileA(busy.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  win_test::OnDialog("New Wordsnap File", [&](HWND dialog) {
    // The file name box of the save dialog, in either of its forms.
    SetDlgItemTextA(dialog, 0x480, busy.c_str());
    SetDlgItemTextA(dialog, 0x47c, busy.c_str());
    win_test::PressButton(dialog, IDOK);
  });
  win_test::OnDialog("New Wordsnap File", [](HWND question) { win_test::PressButton(question, IDYES); });
  Command(IDM_FILE_NEW);
  CloseHandle(holder);

  EXPECT_EQ(messages_, (Strings{"Error: " + busy + " could not be opened or created."}));
  EXPECT_EQ(state_.settings.currentFile, start);
  EXPECT_EQ(win_test::WindowText(Main()), "Wordsnaps 2000 (START)");
  EXPECT_EQ(Rows().size(), 1u);
  EXPECT_EQ(NamesIn(busy), (Strings{"old"}));
}

// New prefix keys are a change like any other: other copies learn of them from the
// raised change count at once.
TEST_F(DataFileCommandsTest, NewPrefixKeysAreWrittenUnderTheLockAndCounted) {
  const std::string data = DataFile("NET.WSN", {Snap("a", "x"), Snap("b", "y")});
  const std::string sync = folder_ + "\\NET.WSY";
  created_.push_back(sync);
  state_.settings.currentFile = data;
  state_.settings.networkMode = true;
  Open({"/P#"});
  EXPECT_EQ(RecordsIn(data)[0].PrefixKeys, "#");
  EXPECT_EQ(state_.store.prefixKeys, "#");
  SyncRecord record = SyncIn(sync);
  EXPECT_EQ(record.ChangeCount, 2) << "made at 1 when attached, raised by the /P switch";
  EXPECT_FALSE(record.Held());

  win_test::OnDialog("Prefix and Suffix Keys", [](HWND dialog) {
    win_test::SetControlText(dialog, IDC_OPTIONS_PREFIXKEYS, ";;");
    win_test::PressButton(dialog, IDOK);
  });
  Command(IDM_OPT_PREFIX);
  EXPECT_EQ(RecordsIn(data)[0].PrefixKeys, ";;");
  record = SyncIn(sync);
  EXPECT_EQ(record.ChangeCount, 3);
  EXPECT_FALSE(record.Held());
  EXPECT_TRUE(messages_.empty()) << messages_.front();
}

TEST_F(DataFileCommandsTest, TheDuplicatesDialogTellsWhenTheSettingsCannotBeSaved) {
  state_.settings.currentFile = DataFile("IMPORT.WSN");
  Open();
  profiles_.failWrites = true;
  win_test::OnDialog("Duplicates", [](HWND dialog) { win_test::PressButton(dialog, IDOK); });
  win_test::OnDialog("Import From ASCII Delimited File", [](HWND dialog) { win_test::PressButton(dialog, IDCANCEL); });
  Command(IDM_FILE_IMPORT_DELIMITED);
  ASSERT_EQ(messages_.size(), 2u);  // the notice, then the failed save
  EXPECT_EQ(messages_[1].substr(0, std::string(kProgramTitle).size() + 2), std::string(kProgramTitle) + ": ");
  EXPECT_NE(messages_[1].find(SettingsNotSavedMessage(state_.settingsFile.empty() ? std::string(kSettingsFileName)
                                                                                  : state_.settingsFile)),
            std::string::npos)
      << messages_[1];
}

}  // namespace
}  // namespace wordsnap
