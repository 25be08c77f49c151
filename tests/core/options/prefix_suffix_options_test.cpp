#include "core/options/prefix_suffix_options.h"

#include <gtest/gtest.h>

#include <string>

namespace wordsnap {
namespace {

TEST(PrefixSuffixOptions, PrefixKeysAcceptTheNameSetAndTheBackslashOnly) {
  EXPECT_EQ(CheckPrefixKeys("\\"), "\\");
  EXPECT_EQ(CheckPrefixKeys(" ;; "), ";;");
  EXPECT_EQ(CheckPrefixKeys(""), "");
  EXPECT_EQ(CheckPrefixKeys("Az"), "Az");
  EXPECT_EQ(CheckPrefixKeys("1234567"), "12345");  // only five characters are looked at
  EXPECT_EQ(CheckPrefixKeys("12345\""), "12345");
  for (const char* refused : {"\"", "a b", "'", "a'", ":", "(", "\t"})
    EXPECT_EQ(CheckPrefixKeys(refused), std::nullopt) << refused;
  const std::string valid = "!#$%&*+,-./;<=>?@^_\\";
  for (int code = 1; code < 256; ++code) {
    const char c = static_cast<char>(code);
    const bool alnum = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    EXPECT_EQ(IsValidDialogPrefixKey(c), alnum || valid.find(c) != std::string::npos) << "code " << code;
  }
}

TEST(PrefixSuffixOptions, InvalidKeysStoreNothingEvenInSuffixMode) {
  Settings settings;
  settings.useSuffix = true;
  const Settings before = settings;
  std::string prefixKeys = ";;";
  PrefixSuffixChoices choices = ChoicesFromSettings(settings, prefixKeys);
  choices.prefixKeysText = "a\"";
  choices.doHint = false;
  const PrefixSuffixOutcome outcome = ConfirmPrefixSuffix(choices, NoteHintAtOpening(settings), settings, prefixKeys);
  EXPECT_FALSE(outcome.accepted);
  EXPECT_EQ(settings, before);
  EXPECT_EQ(prefixKeys, ";;");
}

TEST(PrefixSuffixOptions, OnlyChangedKeysAreWritten) {
  Settings settings;
  std::string prefixKeys = "ab";
  PrefixSuffixChoices choices = ChoicesFromSettings(settings, prefixKeys);
  choices.prefixKeysText = " ab ";
  EXPECT_FALSE(ConfirmPrefixSuffix(choices, NoteHintAtOpening(settings), settings, prefixKeys).prefixKeysChanged);

  choices.prefixKeysText = "AB";  // case counts
  EXPECT_TRUE(ConfirmPrefixSuffix(choices, NoteHintAtOpening(settings), settings, prefixKeys).prefixKeysChanged);
  EXPECT_EQ(prefixKeys, "AB");

  choices.prefixKeysText = "";
  EXPECT_TRUE(ConfirmPrefixSuffix(choices, NoteHintAtOpening(settings), settings, prefixKeys).prefixKeysChanged);
  EXPECT_EQ(prefixKeys, "");
}

TEST(PrefixSuffixOptions, OkTakesTheSettingsAndKeepsThePositionWhenNoneIsChecked) {
  Settings settings;
  settings.hintPosition = 12;
  std::string prefixKeys;
  PrefixSuffixChoices choices = ChoicesFromSettings(settings, prefixKeys);
  EXPECT_EQ(choices.hintPosition, 0);
  choices.useSuffix = true;
  choices.usePunctuation = false;
  choices.retypeSuffix = false;
  choices.doHint = false;
  ConfirmPrefixSuffix(choices, NoteHintAtOpening(settings), settings, prefixKeys);
  EXPECT_TRUE(settings.useSuffix);
  EXPECT_FALSE(settings.usePunctuation);
  EXPECT_FALSE(settings.retypeSuffix);
  EXPECT_FALSE(settings.doHint);
  EXPECT_EQ(settings.hintPosition, 12);

  choices.hintPosition = 9;
  ConfirmPrefixSuffix(choices, NoteHintAtOpening(settings), settings, prefixKeys);
  EXPECT_EQ(settings.hintPosition, 9);
}

TEST(PrefixSuffixOptions, HintPromptFollowsTheNewSettings) {
  struct Case {
    bool suffixBefore, hintBefore;
    int positionBefore;
    bool suffixAfter, hintAfter;
    int positionAfter;
    HintFollowUp expected;
  };
  const Case cases[] = {
      {true, true, 1, true, true, 5, HintFollowUp::MoveTo},   // only the position changed
      {true, true, 5, true, true, 5, HintFollowUp::None},
      {true, true, 5, false, true, 5, HintFollowUp::Close},   // to prefix mode
      {true, true, 5, true, false, 5, HintFollowUp::Close},
      {true, false, 5, true, true, 5, HintFollowUp::Launch},  // hints turned on
      {false, true, 5, true, true, 7, HintFollowUp::Launch},
      {false, true, 5, false, true, 7, HintFollowUp::None},
  };
  for (const Case& c : cases) {
    Settings settings;
    settings.useSuffix = c.suffixBefore;
    settings.doHint = c.hintBefore;
    settings.hintPosition = c.positionBefore;
    std::string prefixKeys;
    PrefixSuffixChoices choices = ChoicesFromSettings(settings, prefixKeys);
    choices.useSuffix = c.suffixAfter;
    choices.doHint = c.hintAfter;
    choices.hintPosition = c.positionAfter;
    const PrefixSuffixOutcome outcome =
        ConfirmPrefixSuffix(choices, NoteHintAtOpening(settings), settings, prefixKeys);
    EXPECT_EQ(outcome.hint, c.expected) << c.suffixBefore << c.hintBefore << c.positionBefore << " -> "
                                        << c.suffixAfter << c.hintAfter << c.positionAfter;
  }
}

}  // namespace
}  // namespace wordsnap
