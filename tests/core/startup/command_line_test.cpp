#include "core/startup/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wordsnap {
namespace {

struct SwitchCase {
  const char* argument;
  SwitchKind kind;
  std::string text;
  int number;
};

TEST(CommandLine, SwitchTable) {
  using K = SwitchKind;
  const std::vector<SwitchCase> cases = {
      {"/B", K::RestrictedModeB, "", 0},
      {"/b", K::RestrictedModeB, "", 0},
      {"/BA", K::RestrictedModeBA, "", 0},
      {"/Ba", K::RestrictedModeBA, "", 0},
      {"/BX", K::Ignored, "", 0},
      {"/S", K::AutoSyncOn, "", 0},
      {"/SOL", K::SolitaryUsageOn, "", 0},
      {"/sol", K::SolitaryUsageOn, "", 0},
      {"/SX", K::Ignored, "", 0},
      {"/SO", K::Ignored, "", 0},
      {"/SM10", K::SyncMinutes, "", 10},
      {"/sm5", K::SyncMinutes, "", 5},
      {"/SM1", K::SyncMinutes, "", 1},
      {"/SM98", K::SyncMinutes, "", 98},
      {"/SM99", K::Ignored, "", 0},
      {"/SM0", K::Ignored, "", 0},
      {"/SM-5", K::Ignored, "", 0},
      {"/SM", K::Ignored, "", 0},
      {"/SM5X", K::Ignored, "", 0},
      {"/SM 5", K::Ignored, "", 0},
      {"/SM99999999999999999999", K::Ignored, "", 0},
      {"/SMOL", K::Ignored, "", 0},
      {"/fc:\\x\\y.wsn", K::OpenFile, "C:\\X\\Y.WSN", 0},
      {"/Fc:\\lists\\mine.wsn", K::OpenFile, "C:\\LISTS\\MINE.WSN", 0},
      {"/F", K::Ignored, "", 0},
      {"/N", K::NetworkModeOn, "", 0},
      {"/NX", K::Ignored, "", 0},
      {"/UP", K::PrefixKeysInForce, "", 0},
      {"/us", K::SuffixKeysInForce, "", 0},
      {"/CC", K::ClipboardForAll, "", 0},
      {"/CK", K::KeyboardForAll, "", 0},
      {"/ci", K::IndividualSettings, "", 0},
      {"/CE", K::CaseExact, "", 0},
      {"/CM", K::CaseMatchFirstChar, "", 0},
      {"/T", K::UseTrayOn, "", 0},
      {"/TT", K::Ignored, "", 0},
      {"/P", K::CommandLinePrefix, "", 0},
      {"/P;;", K::CommandLinePrefix, ";;", 0},
      {"/P;", K::CommandLinePrefix, ";", 0},
      {"/pab", K::CommandLinePrefix, "AB", 0},
      {"/P9_", K::CommandLinePrefix, "9_", 0},
      {"/P;;;", K::Ignored, "", 0},
      {"/P\\", K::Ignored, "", 0},
      {"/P'", K::Ignored, "", 0},
      {"/P ", K::Ignored, "", 0},
      {"/P\"", K::Ignored, "", 0},
      {"/P(", K::Ignored, "", 0},
      {"", K::Ignored, "", 0},
      {"KEY.WSN", K::Ignored, "", 0},
      {"-B", K::Ignored, "", 0},
  };
  for (const SwitchCase& c : cases) {
    const SwitchEffect effect = ParseSwitch(c.argument);
    EXPECT_EQ(effect.kind, c.kind) << c.argument;
    EXPECT_EQ(effect.text, c.text) << c.argument;
    EXPECT_EQ(effect.number, c.number) << c.argument;
  }
}

TEST(CommandLine, PrefixKeySet) {
  const std::string allowed =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!#$%&*+,-./;<=>?@^_";
  for (int code = 0; code < 256; ++code) {
    const char c = static_cast<char>(code);
    EXPECT_EQ(IsValidPrefixKey(c), allowed.find(c) != std::string::npos) << "character code " << code;
  }
}

TEST(CommandLine, OpenFileKeepsOnlyPathsTheSettingsGiveBackWhole) {
  const std::string path = "C:\\" + std::string(242, 'A') + ".WSN";  // 249 characters
  EXPECT_EQ(ParseSwitch("/F" + path).kind, SwitchKind::OpenFile);
  for (std::size_t extra : {1, 6}) {  // 250 and 255 characters: read back cut, they would name another file
    EXPECT_EQ(ParseSwitch("/F" + std::string(extra, 'B') + path).kind, SwitchKind::Ignored) << extra;
  }
}

TEST(CommandLine, SettingsEffects) {
  Settings settings;
  settings.clipSetting = 0;
  for (const char* argument : {"/S", "/N", "/US", "/SM30", "/CC", "/SOL", "/CE", "/T"}) {
    EXPECT_TRUE(ApplySwitchToSettings(ParseSwitch(argument), settings)) << argument;
  }
  Settings expected;
  expected.clipSetting = 1;
  expected.autoSync = true;
  expected.networkMode = true;
  expected.useSuffix = true;
  expected.syncMinutes = 30;
  expected.solitaryUsage = true;
  expected.caseSensative = 2;
  expected.useTray = true;
  EXPECT_EQ(settings, expected);

  settings.autoSync = false;
  for (const char* argument : {"/UP", "/CK", "/CM"}) ApplySwitchToSettings(ParseSwitch(argument), settings);
  EXPECT_FALSE(settings.useSuffix);
  EXPECT_EQ(settings.clipSetting, 2);
  EXPECT_EQ(settings.caseSensative, 1);
  ApplySwitchToSettings(ParseSwitch("/CI"), settings);
  EXPECT_EQ(settings.clipSetting, 0);
  EXPECT_FALSE(settings.autoSync) << "only /S turns Auto Sync on";
}

TEST(CommandLine, NonSettingsEffectsLeaveTheRecordAlone) {
  for (const char* argument : {"/B", "/BA", "/Fc:\\a.wsn", "/P;;", "/SM99", "/SX", "junk"}) {
    Settings settings;
    EXPECT_FALSE(ApplySwitchToSettings(ParseSwitch(argument), settings)) << argument;
    EXPECT_EQ(settings, Settings{}) << argument;
  }
}

TEST(CommandLine, ModesFromArgumentsInOrder) {
  CommandLineModes modes;
  for (const char* argument : {"/B", "/P;;", "/P;;;", "/BA", "/CC"}) {
    ApplySwitchToModes(ParseSwitch(argument), modes);
  }
  EXPECT_TRUE(modes.restrictedB);
  EXPECT_TRUE(modes.restrictedBA);
  EXPECT_TRUE(modes.prefixGiven);
  EXPECT_EQ(modes.prefix, ";;") << "a rejected prefix changes nothing";

  ApplySwitchToModes(ParseSwitch("/P"), modes);
  EXPECT_TRUE(modes.prefixGiven);
  EXPECT_EQ(modes.prefix, "") << "a bare /P gives the empty prefix";
}

}  // namespace
}  // namespace wordsnap
