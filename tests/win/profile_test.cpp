// The settings file through the real profile API: "WORDSNAP.INI" in the Windows
// directory. Any file already there is set aside and put back afterwards.

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/settings/settings_file.h"
#include "platform/win32/win32_profile_store.h"

namespace wordsnap {
namespace {

std::string WindowsDirectory() {
  char buffer[MAX_PATH + 1] = {};
  const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
  return std::string(buffer, length <= MAX_PATH ? length : 0);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lines of an INI file without line ends and without blank lines.
std::vector<std::string> NonBlankLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

class SettingsProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string directory = WindowsDirectory();
    ASSERT_FALSE(directory.empty());
    path_ = directory + "\\" + kSettingsFileName;
    backup_ = ReadWholeFile(path_);
    RemoveSettingsFile();
  }

  void TearDown() override {
    RemoveSettingsFile();
    if (backup_) {
      std::ofstream out(path_, std::ios::binary);
      out << *backup_;
    }
  }

  // Writes out anything the profile functions still hold in memory.
  static void FlushProfile() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, kSettingsFileName); }

  void RemoveSettingsFile() {
    FlushProfile();
    DeleteFileA(path_.c_str());
  }

  std::string FileText() {
    FlushProfile();
    const std::optional<std::string> text = ReadWholeFile(path_);
    EXPECT_TRUE(text.has_value()) << path_ << " was not written";
    return text.value_or("");
  }

  static Settings SampleSettings() {
    Settings settings;
    settings.mainWindowLeft = -8;
    settings.mainWindowTop = 20;
    settings.mainWindowWidth = 600;
    settings.mainWindowHeight = 480;
    settings.maximized = true;
    settings.caseSensative = 1;
    settings.useSuffix = true;
    settings.delaySeconds = 1.5;
    settings.useTray = true;
    settings.clipSetting = 0;
    settings.hintPosition = 9;
    settings.currentFile = "D:\\Lists\\MINE.WSN";
    settings.lastFiles = {"D:\\Lists\\MINE.WSN", "C:\\Program Files\\Wordsnap\\KEY.WSN", "", "", ""};
    settings.lastDateFormat = 12;
    settings.networkMode = true;
    settings.syncMinutes = 45;
    settings.printListFont = PrintListFont{"Courier New", 12, 16711680, true, true};
    return settings;
  }

  Win32ProfileStore profiles_;
  std::string path_;
  std::optional<std::string> backup_;
};

TEST_F(SettingsProfileTest, MissingFileLoadsDefaults) {
  Settings loaded;
  LoadSettings(loaded, profiles_, "C:\\Wordsnap");
  Settings expected;
  expected.currentFile = "C:\\Wordsnap\\KEY.WSN";
  EXPECT_EQ(loaded, expected);
}

TEST_F(SettingsProfileTest, SaveThenLoadRoundTrips) {
  Settings saved = SampleSettings();
  SaveSettings(saved, profiles_);

  Settings loaded;
  LoadSettings(loaded, profiles_, "C:\\Elsewhere");
  EXPECT_EQ(loaded, saved);
  EXPECT_TRUE(loaded.printListFont.bold);
  EXPECT_TRUE(loaded.printListFont.italic);
}

TEST_F(SettingsProfileTest, FileHoldsThreeSectionsWithKeysInSaveOrder) {
  Settings settings = SampleSettings();
  SaveSettings(settings, profiles_);

  const std::vector<std::string> expected = {
      "[Misc]",
      "Main Window Left=-8",
      "Main Window Top=20",
      "Main Window Width=600",
      "Main Window Height=480",
      "Maximized=Yes",
      "Solitary Usage=No",
      "Case Sensative=1",
      "Use Counter Column=Yes",
      "Use Suffix=Yes",
      "Retype Suffix=Yes",
      "Use Punctuation=Yes",
      "American Dictionary=Yes",
      "Delay=No",
      "Delay Seconds=1.50",
      "Delay Characters=10",
      "Use Clipboard=Yes",
      "Do Hint=Yes",
      "Use Tray=Yes",
      "Use Close=No",
      "Clip Setting=0",
      "Duplicate Setting=1",
      "Hint Position=9",
      "Current File=D:\\Lists\\MINE.WSN",
      "Last File 1=D:\\Lists\\MINE.WSN",
      "Last File 2=C:\\Program Files\\Wordsnap\\KEY.WSN",
      "Last File 3=",
      "Last File 4=",
      "Last File 5=",
      "Last Date Format=12",
      "Last Time Format=0",
      "Suppress Zeros In Date=Yes",
      "Suppress Zeros In Time=Yes",
      "[Network]",
      "Network Mode=Yes",
      "Auto Sync=Yes",
      "Sync Minutes=45",
      "[Print List Font]",
      "Color=16711680",
      "Font Name=Courier New",
      "Size=12",
      "Bold=Yes",
      "Italic=Yes",
  };
  EXPECT_EQ(NonBlankLines(FileText()), expected);
}

TEST_F(SettingsProfileTest, RealReadsCutLongAndDamagedValues) {
  const std::string longPath = "C:\\" + std::string(297, 'p');
  WritePrivateProfileStringA("Misc", "Current File", longPath.c_str(), kSettingsFileName);
  WritePrivateProfileStringA("Misc", "Last File 2", longPath.c_str(), kSettingsFileName);
  WritePrivateProfileStringA("Misc", "Case Sensative", "Yes", kSettingsFileName);
  WritePrivateProfileStringA("Misc", "Maximized", "yes", kSettingsFileName);
  WritePrivateProfileStringA("Misc", "Main Window Width", "500px", kSettingsFileName);
  WritePrivateProfileStringA("Misc", "Main Window Top", "0000000000012345", kSettingsFileName);

  Settings loaded;
  LoadSettings(loaded, profiles_, "C:\\Wordsnap");
  EXPECT_EQ(loaded.currentFile, longPath.substr(0, 249));
  EXPECT_EQ(loaded.lastFiles[1], longPath.substr(0, 254));
  EXPECT_EQ(loaded.caseSensative, 2);
  EXPECT_TRUE(loaded.maximized);
  EXPECT_EQ(loaded.mainWindowWidth, 500);
  EXPECT_EQ(loaded.mainWindowTop, 12);
}

}  // namespace
}  // namespace wordsnap
