#include "core/settings/settings_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/settings/setting_values.h"
#include "core/store/data_file_names.h"
#include "fakes/fake_profile_store.h"

namespace wordsnap {
namespace {

using fakes::FakeProfileStore;
using fakes::ProfileCall;

const std::string kFile = "WORDSNAP.INI";
const std::string kProgramDir = "C:\\Program Files\\Wordsnap";

class SettingsFileTest : public ::testing::Test {
 protected:
  void Store(const std::string& section, const std::string& key, const std::string& value) {
    profiles.SetProfileValue(kFile, section, key, value);
  }
  Settings Load() {
    Settings settings;
    LoadSettings(settings, profiles, kProgramDir);
    return settings;
  }

  FakeProfileStore profiles;
};

TEST_F(SettingsFileTest, EmptyFileGivesDefaults) {
  const Settings loaded = Load();

  EXPECT_EQ(loaded.mainWindowLeft, 0);
  EXPECT_EQ(loaded.mainWindowTop, 0);
  EXPECT_EQ(loaded.mainWindowWidth, 437);
  EXPECT_EQ(loaded.mainWindowHeight, 340);
  EXPECT_EQ(loaded.currentFile, "C:\\Program Files\\Wordsnap\\KEY.WSN");
  EXPECT_EQ(loaded.clipSetting, 2);
  EXPECT_EQ(loaded.caseSensative, 3);

  Settings expected;
  expected.currentFile = "C:\\Program Files\\Wordsnap\\KEY.WSN";
  EXPECT_EQ(loaded, expected) << "every other field keeps its default";
  EXPECT_TRUE(profiles.writes.empty());
}

TEST_F(SettingsFileTest, DefaultsAreTheMissingKeyValues) {
  const Settings defaults;
  EXPECT_FALSE(defaults.maximized);
  EXPECT_FALSE(defaults.solitaryUsage);
  EXPECT_TRUE(defaults.useCounterColumn);
  EXPECT_FALSE(defaults.useSuffix);
  EXPECT_TRUE(defaults.retypeSuffix);
  EXPECT_TRUE(defaults.usePunctuation);
  EXPECT_FALSE(defaults.delay);
  EXPECT_TRUE(defaults.americanDictionary);
  EXPECT_EQ(defaults.delaySeconds, 0.0);
  EXPECT_EQ(defaults.delayCharacters, 10);
  EXPECT_TRUE(defaults.useClipboard);
  EXPECT_FALSE(defaults.useTray);
  EXPECT_FALSE(defaults.useClose);
  EXPECT_TRUE(defaults.doHint);
  EXPECT_EQ(defaults.duplicateSetting, 1);
  EXPECT_EQ(defaults.hintPosition, 1);
  EXPECT_EQ(defaults.lastDateFormat, 0);
  EXPECT_EQ(defaults.lastTimeFormat, 0);
  EXPECT_TRUE(defaults.suppressZerosInDate);
  EXPECT_TRUE(defaults.suppressZerosInTime);
  EXPECT_FALSE(defaults.networkMode);
  EXPECT_TRUE(defaults.autoSync);
  EXPECT_EQ(defaults.syncMinutes, 10);
  EXPECT_EQ(defaults.printListFont, (PrintListFont{"Arial", 10, 0, false, false}));
  for (const std::string& slot : defaults.lastFiles) EXPECT_EQ(slot, "");
}

TEST_F(SettingsFileTest, ProgramDirectoryInRootGivesOneBackslash) {
  Settings settings;
  LoadSettings(settings, profiles, "C:");
  EXPECT_EQ(settings.currentFile, "C:\\KEY.WSN");
}

TEST_F(SettingsFileTest, EmptyCurrentFileBecomesTheDefaultDataFile) {
  Store("Misc", "Current File", "");
  EXPECT_EQ(Load().currentFile, "C:\\Program Files\\Wordsnap\\KEY.WSN");
  Store("Misc", "Current File", "D:\\Lists\\MINE.WSN");
  EXPECT_EQ(Load().currentFile, "D:\\Lists\\MINE.WSN");
}

TEST_F(SettingsFileTest, DamagedValuesFallBack) {
  struct Case {
    const char* section;
    const char* key;
    const char* stored;
    std::function<bool(const Settings&)> holds;
    const char* expectation;
  };
  const std::vector<Case> cases = {
      {"Misc", "Case Sensative", "Yes", [](const Settings& s) { return s.caseSensative == 2; }, "2"},
      {"Misc", "Case Sensative", "No", [](const Settings& s) { return s.caseSensative == 3; }, "3"},
      {"Misc", "Case Sensative", "0", [](const Settings& s) { return s.caseSensative == 3; }, "3"},
      {"Misc", "Case Sensative", "1", [](const Settings& s) { return s.caseSensative == 1; }, "1"},
      {"Misc", "Case Sensative", "yes", [](const Settings& s) { return s.caseSensative == 3; }, "3"},
      {"Misc", "Maximized", "yes", [](const Settings& s) { return s.maximized; }, "true"},
      {"Misc", "Maximized", "YES", [](const Settings& s) { return s.maximized; }, "true"},
      {"Misc", "Maximized", "1", [](const Settings& s) { return !s.maximized; }, "false"},
      {"Misc", "Use Counter Column", "True", [](const Settings& s) { return !s.useCounterColumn; }, "false"},
      {"Misc", "Main Window Width", "500px", [](const Settings& s) { return s.mainWindowWidth == 500; }, "500"},
      {"Misc", "Main Window Left", "-40", [](const Settings& s) { return s.mainWindowLeft == -40; }, "-40"},
      {"Misc", "Main Window Height", "tall", [](const Settings& s) { return s.mainWindowHeight == 0; }, "0"},
      {"Misc", "Clip Setting", "", [](const Settings& s) { return s.clipSetting == 0; }, "0"},
      {"Misc", "Delay Seconds", "2.5 s", [](const Settings& s) { return s.delaySeconds == 2.5; }, "2.5"},
      {"Misc", "Delay Seconds", "soon", [](const Settings& s) { return s.delaySeconds == 0.0; }, "0"},
      {"Network", "Sync Minutes", "70000", [](const Settings& s) { return s.syncMinutes == 65535; }, "65535"},
      {"Network", "Sync Minutes", "-5", [](const Settings& s) { return s.syncMinutes == 0; }, "0"},
      {"Print List Font", "Size", "12pt", [](const Settings& s) { return s.printListFont.size == 12; }, "12"},
      {"Print List Font", "Color", "255", [](const Settings& s) { return s.printListFont.color == 255; }, "255"},
      {"Print List Font", "Bold", "1", [](const Settings& s) { return !s.printListFont.bold; }, "false"},
  };
  for (const Case& c : cases) {
    profiles.values.clear();
    Store(c.section, c.key, c.stored);
    EXPECT_TRUE(c.holds(Load())) << c.section << " / " << c.key << " = \"" << c.stored << "\" should give "
                                 << c.expectation;
  }
}

TEST_F(SettingsFileTest, LongValuesAreCutAtTheirReadLimits) {
  Store("Misc", "Current File", std::string(300, 'c'));
  Store("Misc", "Last File 1", std::string(300, 'r'));
  Store("Misc", "Last File 5", std::string(254, 'e'));
  // 13 characters reach the parser: "0000000000012" out of the 16 stored.
  Store("Misc", "Main Window Top", "0000000000012345");
  Store("Print List Font", "Font Name", std::string(200, 'f'));
  Store("Print List Font", "Size", std::string(147, '0') + "99");

  const Settings loaded = Load();
  EXPECT_EQ(loaded.currentFile, std::string(249, 'c'));
  EXPECT_EQ(loaded.lastFiles[0], std::string(254, 'r'));
  EXPECT_EQ(loaded.lastFiles[4], std::string(254, 'e'));
  EXPECT_EQ(loaded.mainWindowTop, 12);
  EXPECT_EQ(loaded.printListFont.name, std::string(148, 'f'));
  EXPECT_EQ(loaded.printListFont.size, 9);
}

TEST_F(SettingsFileTest, EveryPathAcceptedAsTheCurrentFileComesBackWhole) {
  // The longest accepted path survives a save and the next start; the next longer
  // one would come back cut, naming another file, so it is refused.
  for (std::size_t length : {kCurrentFileMaxLength, kCurrentFileMaxLength + 1}) {
    Settings saved;
    saved.currentFile = "C:\\" + std::string(length - 7, 'p') + ".WSN";
    SaveSettings(saved, profiles);
    const bool backWhole = Load().currentFile == saved.currentFile;
    EXPECT_EQ(FitsCurrentFileSetting(saved.currentFile), backWhole) << length;
    EXPECT_EQ(backWhole, length == kCurrentFileMaxLength) << length;
  }
}

TEST_F(SettingsFileTest, LoadReadsKeysInOrderThroughTheirBuffers) {
  Load();
  std::vector<std::string> order;
  for (const ProfileCall& read : profiles.reads) {
    EXPECT_EQ(read.file, kFile);
    order.push_back(read.section + "/" + read.key + "/" + std::to_string(read.bufferSize));
  }
  const std::vector<std::string> expected = {
      "Misc/Main Window Left/14",       "Misc/Main Window Top/14",      "Misc/Main Window Width/14",
      "Misc/Main Window Height/14",     "Misc/Current File/250",        "Misc/Maximized/14",
      "Misc/Solitary Usage/14",         "Misc/Case Sensative/14",       "Misc/Use Counter Column/14",
      "Misc/Use Suffix/14",             "Misc/Retype Suffix/14",        "Misc/Use Punctuation/14",
      "Misc/Delay/14",                  "Misc/American Dictionary/14",  "Misc/Delay Seconds/14",
      "Misc/Delay Characters/14",       "Misc/Use Clipboard/14",        "Misc/Use Tray/14",
      "Misc/Use Close/14",              "Misc/Do Hint/14",              "Misc/Clip Setting/14",
      "Misc/Duplicate Setting/14",      "Misc/Hint Position/14",        "Misc/Last File 1/255",
      "Misc/Last File 2/255",           "Misc/Last File 3/255",         "Misc/Last File 4/255",
      "Misc/Last File 5/255",           "Misc/Last Date Format/14",     "Misc/Last Time Format/14",
      "Misc/Suppress Zeros In Date/14", "Misc/Suppress Zeros In Time/14", "Network/Network Mode/14",
      "Network/Auto Sync/14",           "Network/Sync Minutes/14",      "Print List Font/Color/149",
      "Print List Font/Font Name/149",  "Print List Font/Size/149",     "Print List Font/Bold/14",
      "Print List Font/Italic/14",
  };
  EXPECT_EQ(order, expected);
}

TEST_F(SettingsFileTest, SaveWritesEveryKeyInOrderWithItsEncoding) {
  Settings settings;
  settings.mainWindowLeft = -8;
  settings.mainWindowTop = 20;
  settings.mainWindowWidth = 600;
  settings.mainWindowHeight = 480;
  settings.maximized = true;
  settings.solitaryUsage = true;
  settings.caseSensative = 1;
  settings.useCounterColumn = false;
  settings.useSuffix = true;
  settings.retypeSuffix = false;
  settings.usePunctuation = false;
  settings.americanDictionary = false;
  settings.delay = true;
  settings.delaySeconds = 1.5;
  settings.delayCharacters = 25;
  settings.useClipboard = false;
  settings.doHint = false;
  settings.useTray = true;
  settings.useClose = true;
  settings.clipSetting = 0;
  settings.duplicateSetting = 3;
  settings.hintPosition = 9;
  settings.currentFile = "D:\\Lists\\MINE.WSN";
  settings.lastFiles = {"D:\\Lists\\MINE.WSN", "C:\\KEY.WSN", "", "", ""};
  settings.lastDateFormat = 12;
  settings.lastTimeFormat = 4;
  settings.suppressZerosInDate = false;
  settings.suppressZerosInTime = true;
  settings.networkMode = true;
  settings.autoSync = false;
  settings.syncMinutes = 45;
  settings.printListFont = PrintListFont{"Courier New", 12, 16711680, true, false};

  SaveSettings(settings, profiles);

  const std::vector<ProfileCall> expected = {
      {kFile, "Misc", "Main Window Left", "-8"},
      {kFile, "Misc", "Main Window Top", "20"},
      {kFile, "Misc", "Main Window Width", "600"},
      {kFile, "Misc", "Main Window Height", "480"},
      {kFile, "Misc", "Maximized", "Yes"},
      {kFile, "Misc", "Solitary Usage", "Yes"},
      {kFile, "Misc", "Case Sensative", "1"},
      {kFile, "Misc", "Use Counter Column", "No"},
      {kFile, "Misc", "Use Suffix", "Yes"},
      {kFile, "Misc", "Retype Suffix", "No"},
      {kFile, "Misc", "Use Punctuation", "No"},
      {kFile, "Misc", "American Dictionary", "No"},
      {kFile, "Misc", "Delay", "Yes"},
      {kFile, "Misc", "Delay Seconds", "1.50"},
      {kFile, "Misc", "Delay Characters", "25"},
      {kFile, "Misc", "Use Clipboard", "No"},
      {kFile, "Misc", "Do Hint", "No"},
      {kFile, "Misc", "Use Tray", "Yes"},
      {kFile, "Misc", "Use Close", "Yes"},
      {kFile, "Misc", "Clip Setting", "0"},
      {kFile, "Misc", "Duplicate Setting", "3"},
      {kFile, "Misc", "Hint Position", "9"},
      {kFile, "Misc", "Current File", "D:\\Lists\\MINE.WSN"},
      {kFile, "Misc", "Last File 1", "D:\\Lists\\MINE.WSN"},
      {kFile, "Misc", "Last File 2", "C:\\KEY.WSN"},
      {kFile, "Misc", "Last File 3", ""},
      {kFile, "Misc", "Last File 4", ""},
      {kFile, "Misc", "Last File 5", ""},
      {kFile, "Misc", "Last Date Format", "12"},
      {kFile, "Misc", "Last Time Format", "4"},
      {kFile, "Misc", "Suppress Zeros In Date", "No"},
      {kFile, "Misc", "Suppress Zeros In Time", "Yes"},
      {kFile, "Network", "Network Mode", "Yes"},
      {kFile, "Network", "Auto Sync", "No"},
      {kFile, "Network", "Sync Minutes", "45"},
      {kFile, "Print List Font", "Color", "16711680"},
      {kFile, "Print List Font", "Font Name", "Courier New"},
      {kFile, "Print List Font", "Size", "12"},
      {kFile, "Print List Font", "Bold", "Yes"},
      {kFile, "Print List Font", "Italic", "No"},
  };
  EXPECT_EQ(profiles.writes, expected);
}

TEST_F(SettingsFileTest, DelaySecondsStoredAsZeroIsSavedWithTwoDecimals) {
  Store("Misc", "Delay Seconds", "0");
  Settings settings = Load();
  SaveSettings(settings, profiles);
  EXPECT_EQ(profiles.values.at({kFile, "Misc", "Delay Seconds"}), "0.00");
}

TEST_F(SettingsFileTest, BoldItalicFontRoundTrips) {
  Settings settings = Load();
  settings.printListFont.bold = true;
  settings.printListFont.italic = true;
  ASSERT_FALSE(settings.bold);

  SaveSettings(settings, profiles);
  EXPECT_TRUE(settings.bold) << "mirror refreshed before saving";
  EXPECT_TRUE(settings.italic);
  EXPECT_EQ(profiles.values.at({kFile, "Print List Font", "Bold"}), "Yes");
  EXPECT_EQ(profiles.values.at({kFile, "Print List Font", "Italic"}), "Yes");

  const Settings reloaded = Load();
  EXPECT_TRUE(reloaded.printListFont.bold);
  EXPECT_TRUE(reloaded.printListFont.italic);

  // A stale mirror never wins over the font itself.
  Settings plain = reloaded;
  plain.printListFont.bold = false;
  SaveSettings(plain, profiles);
  EXPECT_EQ(profiles.values.at({kFile, "Print List Font", "Bold"}), "No");
  EXPECT_FALSE(Load().printListFont.bold);
}

TEST_F(SettingsFileTest, SaveThenLoadGivesTheSameRecord) {
  Settings settings;
  settings.mainWindowLeft = -1200;
  settings.mainWindowTop = 33;
  settings.maximized = true;
  settings.caseSensative = 2;
  settings.delaySeconds = 0.25;
  settings.delayCharacters = -3;
  settings.hintPosition = 5;
  settings.currentFile = "\\\\server\\share\\Team list.wsn";
  settings.lastFiles = {"A.WSN", "", "C:\\caf\xe9.wsn", "", "E.WSN"};
  settings.syncMinutes = 65535;
  settings.networkMode = true;
  settings.printListFont = PrintListFont{"Times New Roman", 14, 255, false, true};

  SaveSettings(settings, profiles);
  EXPECT_EQ(Load(), settings);
}

TEST_F(SettingsFileTest, SaveCutsTextsToWhatTheRecordHolds) {
  Settings settings;
  settings.currentFile = std::string(300, 'p');
  SaveSettings(settings, profiles);
  EXPECT_EQ(profiles.values.at({kFile, "Misc", "Current File"}), std::string(255, 'p'));
}

}  // namespace
}  // namespace wordsnap
