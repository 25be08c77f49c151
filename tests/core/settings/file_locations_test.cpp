#include "core/settings/file_locations.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/settings/settings_file.h"
#include "fakes/fake_profile_store.h"

namespace wordsnap {
namespace {

using fakes::FakeProfileStore;

const std::string kWindowsDir = "C:\\WINDOWS";
const std::string kPerUserDir = "C:\\Users\\ann\\AppData\\Roaming\\Wordsnaps";
const std::string kProgramDir = "C:\\Program Files\\Wordsnaps";
const std::string kStated = kWindowsDir + "\\WORDSNAP.INI";
const std::string kPerUser = kPerUserDir + "\\WORDSNAP.INI";

// A disk of named files and folders, some of them read-only. Copying a file copies
// the profile values the fake profile store holds for it, so what a copy carries
// across can be read back through the settings code.
class FakeDisk final : public FileLocationProbe {
 public:
  explicit FakeDisk(FakeProfileStore& profiles) : profiles_(profiles) {}

  std::string WindowsDirectory() override { return kWindowsDir; }
  std::string PerUserFolder() override { return perUserFolder; }
  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  bool CanWriteFile(const std::string& path) override { return readOnly.count(path) == 0; }
  bool CanWriteFolder(const std::string& folder) override { return readOnly.count(folder) == 0; }
  bool CopyWholeFile(const std::string& from, const std::string& to) override {
    copies.push_back(from + " -> " + to);
    if (failCopy) return false;
    files.insert(to);
    std::vector<std::pair<FakeProfileStore::ProfileKey, std::string>> copied;
    for (const auto& [key, value] : profiles_.values) {
      if (std::get<0>(key) == from) copied.push_back({{to, std::get<1>(key), std::get<2>(key)}, value});
    }
    for (const auto& [key, value] : copied) profiles_.values[key] = value;
    return true;
  }

  std::string perUserFolder = kPerUserDir;
  std::set<std::string> files;
  std::set<std::string> readOnly;
  std::vector<std::string> copies;
  bool failCopy = false;

 private:
  FakeProfileStore& profiles_;
};

class FileLocationsTest : public ::testing::Test {
 protected:
  FakeProfileStore profiles;
  FakeDisk disk{profiles};
};

TEST_F(FileLocationsTest, SettingsPlaceByTable) {
  struct Case {
    const char* name;
    bool statedExists;
    bool statedWritable;
    bool perUserExists;
    bool perUserFolderAvailable;
    std::string expectedFile;
    bool expectCopy;
  };
  const Case cases[] = {
      {"stated file writable", true, true, false, true, kStated, false},
      {"no file yet, Windows directory writable", false, true, false, true, kStated, false},
      {"stated file read-only: copied across", true, false, false, true, kPerUser, true},
      {"Windows directory read-only, nothing to copy", false, false, false, true, kPerUser, false},
      {"per-user file there: read first", true, true, true, true, kPerUser, false},
      {"per-user file there, stated read-only", true, false, true, true, kPerUser, false},
      {"no per-user folder: stated file kept", true, false, false, false, kStated, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeProfileStore caseProfiles;
    FakeDisk caseDisk{caseProfiles};
    if (c.statedExists) caseDisk.files.insert(kStated);
    if (!c.statedWritable) caseDisk.readOnly.insert(kStated);
    if (c.perUserExists) caseDisk.files.insert(kPerUser);
    if (!c.perUserFolderAvailable) caseDisk.perUserFolder.clear();

    const FileLocations locations = ResolveFileLocations(caseDisk, kProgramDir);

    EXPECT_EQ(locations.settingsFile, c.expectedFile);
    EXPECT_EQ(locations.settingsMoved, c.expectedFile == kPerUser);
    EXPECT_EQ(locations.settingsCopied, c.expectCopy);
    EXPECT_EQ(caseDisk.copies.size(), c.expectCopy ? 1u : 0u);
  }
}

TEST_F(FileLocationsTest, CopyAcrossKeepsEveryValueAndLaterRunsReadThePerUserFile) {
  disk.files.insert(kStated);
  disk.readOnly.insert(kStated);
  profiles.SetProfileValue(kStated, "Misc", "Use Suffix", "Yes");
  profiles.SetProfileValue(kStated, "Misc", "Current File", "D:\\mine.wsn");
  profiles.SetProfileValue(kStated, "Network", "Sync Minutes", "25");

  const FileLocations first = ResolveFileLocations(disk, kProgramDir);
  RelocatedProfileStore relocated(profiles, first.settingsFile);
  Settings settings;
  LoadSettings(settings, relocated, kProgramDir);
  EXPECT_TRUE(settings.useSuffix);
  EXPECT_EQ(settings.currentFile, "D:\\mine.wsn");
  EXPECT_EQ(settings.syncMinutes, 25);

  // A change is saved to the per-user file, never to the read-only one, and the
  // next start reads it back without copying the old file over it again.
  settings.useSuffix = false;
  EXPECT_TRUE(SaveSettings(settings, relocated));
  EXPECT_EQ(profiles.values.at({kStated, "Misc", "Use Suffix"}), "Yes");
  const FileLocations second = ResolveFileLocations(disk, kProgramDir);
  EXPECT_EQ(second.settingsFile, kPerUser);
  EXPECT_FALSE(second.settingsCopied);
  EXPECT_EQ(disk.copies.size(), 1u);
  RelocatedProfileStore again(profiles, second.settingsFile);
  Settings reloaded;
  LoadSettings(reloaded, again, kProgramDir);
  EXPECT_FALSE(reloaded.useSuffix);
}

TEST_F(FileLocationsTest, FailedCopyStillMovesToThePerUserFile) {
  disk.files.insert(kStated);
  disk.readOnly.insert(kStated);
  disk.failCopy = true;

  const FileLocations locations = ResolveFileLocations(disk, kProgramDir);

  EXPECT_EQ(locations.settingsFile, kPerUser);
  EXPECT_FALSE(locations.settingsCopied);
}

TEST_F(FileLocationsTest, UserFilesStayBesideTheProgramOnlyWhereItCanBeWritten) {
  EXPECT_EQ(ResolveFileLocations(disk, kProgramDir).userFilesDir, kProgramDir);

  disk.readOnly.insert(kProgramDir);
  const FileLocations moved = ResolveFileLocations(disk, kProgramDir);
  EXPECT_EQ(moved.userFilesDir, kPerUserDir);
  Settings settings;
  RelocatedProfileStore relocated(profiles, moved.settingsFile);
  LoadSettings(settings, relocated, moved.userFilesDir);
  EXPECT_EQ(settings.currentFile, kPerUserDir + "\\KEY.WSN");

  // A data file the user chose stays where it is.
  profiles.SetProfileValue(kStated, "Misc", "Current File", "C:\\Program Files\\Wordsnaps\\OLD.WSN");
  LoadSettings(settings, relocated, moved.userFilesDir);
  EXPECT_EQ(settings.currentFile, "C:\\Program Files\\Wordsnaps\\OLD.WSN");

  disk.perUserFolder.clear();
  EXPECT_EQ(ResolveFileLocations(disk, kProgramDir).userFilesDir, kProgramDir);
}

TEST_F(FileLocationsTest, RelocatedStoreMovesOnlyTheSettingsFile) {
  RelocatedProfileStore relocated(profiles, kPerUser);
  relocated.WriteProfileValue("WORDSNAP.INI", "Misc", "Delay", "No");
  relocated.WriteProfileValue("OTHER.INI", "Misc", "Delay", "Yes");

  EXPECT_EQ(profiles.writes.at(0).file, kPerUser);
  EXPECT_EQ(profiles.writes.at(1).file, "OTHER.INI");
  EXPECT_EQ(relocated.ReadProfileValue("WORDSNAP.INI", "Misc", "Delay", "", 14), "No");
}

TEST_F(FileLocationsTest, SaveReportsAFailedWriteAndStillTriesEveryKey) {
  Settings settings;
  EXPECT_TRUE(SaveSettings(settings, profiles));
  const std::size_t keys = profiles.writes.size();

  profiles.writes.clear();
  profiles.failWrites = true;
  EXPECT_FALSE(SaveSettings(settings, profiles));
  EXPECT_EQ(profiles.writes.size(), keys);
}

}  // namespace
}  // namespace wordsnap
