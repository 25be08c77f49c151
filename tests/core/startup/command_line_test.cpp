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
      {"/B", K::kRestrictedModeB, "", 0},
      {"/b", K::kRestrictedModeB, "", 0},
      {"/BA", K::kRestrictedModeBA, "", 0},
      {"/Ba", K::kRestrictedModeBA, "", 0},
      {"/BX", K::kIgnored, "", 0},
      {"/S", K::kAutoSyncOn, "", 0},
      {"/SOL", K::kSolitaryUsageOn, "", 0},
      {"/sol", K::kSolitaryUsageOn, "", 0},
      {"/SX", K::kIgnored, "", 0},
      {"/SO", K::kIgnored, "", 0},
      {"/SM10", K::kSyncMinutes, "", 10},
      {"/sm5", K::kSyncMinutes, "", 5},
      {"/SM1", K::kSyncMinutes, "", 1},
      {"/SM98", K::kSyncMinutes, "", 98},
      {"/SM99", K::kIgnored, "", 0},
      {"/SM0", K::kIgnored, "", 0},
      {"/SM-5", K::kIgnored, "", 0},
      {"/SM", K::kIgnored, "", 0},
      {"/SM5X", K::kIgnored, "", 0},
      {"/SM 5", K::kIgnored, "", 0},
      {"/SM99999999999999999999", K::kIgnored, "", 0},
      {"/SMOL", K::kIgnored, "", 0},
      {"/fc:\\x\\y.wsn", K::kOpenFile, "C:\\X\\Y.WSN", 0},
      {"/Fc:\\lists\\mine.wsn", K::kOpenFile, "C:\\LISTS\\MINE.WSN", 0},
      {"/F", K::kIgnored, "", 0},
      {"/N", K::kNetworkModeOn, "", 0},
      {"/NX", K::kIgnored, "", 0},
      {"/UP", K::kPrefixKeysInForce, "", 0},
      {"/us", K::kSuffixKeysInForce, "", 0},
      {"/CC", K::kClipboardForAll, "", 0},
      {"/CK", K::kKeyboardForAll, "", 0},
      {"/ci", K::kIndividualSettings, "", 0},
      {"/CE", K::kCaseExact, "", 0},
      {"/CM", K::kCaseMatchFirstChar, "", 0},
      {"/T", K::kUseTrayOn, "", 0},
      {"/TT", K::kIgnored, "", 0},
      {"/P", K::kCommandLinePrefix, "", 0},
      {"/P;;", K::kCommandLinePrefix, ";;", 0},
      {"/P;", K::kCommandLinePrefix, ";", 0},
      {"/pab", K::kCommandLinePrefix, "AB", 0},
      {"/P9_", K::kCommandLinePrefix, "9_", 0},
      {"/P;;;", K::kIgnored, "", 0},
      {"/P\\", K::kIgnored, "", 0},
      {"/P'", K::kIgnored, "", 0},
      {"/P ", K::kIgnored, "", 0},
      {"/P\"", K::kIgnored, "", 0},
      {"/P(", K::kIgnored, "", 0},
      {"", K::kIgnored, "", 0},
      {"KEY.WSN", K::kIgnored, "", 0},
      {"-B", K::kIgnored, "", 0},
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

TEST(CommandLine, OpenFileKeepsOnlyPathsTheRecordCanHold) {
  const std::string path = "C:\\" + std::string(252, 'A');  // 255 characters
  EXPECT_EQ(ParseSwitch("/F" + path).kind, SwitchKind::kOpenFile);
  EXPECT_EQ(ParseSwitch("/F" + path + "B").kind, SwitchKind::kIgnored);
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
