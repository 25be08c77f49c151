// "Wordsnap Options": opening, enabling and OK on the editor's working record.
#include "core/options/snap_options.h"

#include <gtest/gtest.h>

#include "core/settings/settings.h"

namespace wordsnap {
namespace {

WordsnapRecord Working(std::int16_t caseRule, std::uint16_t delay, std::uint8_t viaClipboard) {
  WordsnapRecord record;
  record.CaseRule = caseRule;
  record.KeyDelay = delay;
  record.ViaClipboard = viaClipboard;
  return record;
}

TEST(SnapOptions, OkWithoutChangesKeepsTheValuesButACaseRuleOutsideOneToThreeBecomesThree) {
  struct Case {
    WordsnapRecord working;
    std::int16_t caseRuleAfter;
  };
  const Case cases[] = {
      {Working(1, 0, 0), 1}, {Working(2, 9999, 1), 2}, {Working(3, 25, 0), 3},
      {Working(0, 7, 1), 3}, {Working(-4, 7, 0), 3},   {Working(12, 7, 1), 3},
  };
  for (const Case& c : cases) {
    WordsnapRecord after = c.working;
    ConfirmSnapOptions(SnapOptionsAtShow(c.working), after);
    EXPECT_EQ(after.CaseRule, c.caseRuleAfter) << c.working.CaseRule;
    EXPECT_EQ(after.KeyDelay, c.working.KeyDelay);
    EXPECT_EQ(after.ViaClipboard, c.working.ViaClipboard);
  }
}

TEST(SnapOptions, ControlsOpenOnTheWorkingRecord) {
  const SnapOptionsControls controls = SnapOptionsAtShow(Working(2, 150, 1));
  EXPECT_EQ(controls.caseRadio, CaseItem::Exact);
  EXPECT_EQ(controls.sendRadio, SendRadio::Clipboard);
  EXPECT_EQ(controls.secondsText, "150");
  EXPECT_EQ(SnapOptionsAtShow(Working(1, 0, 0)).caseRadio, CaseItem::FirstCharacter);
  EXPECT_EQ(SnapOptionsAtShow(Working(1, 0, 0)).secondsText, "0");
}

TEST(SnapOptions, TheDelayIsForKeystrokesAndTheMethodOnlyWhenEachWordsnapChooses) {
  struct Case {
    SendRadio send;
    std::int32_t clipSetting;
    bool delay, radios;
  };
  const Case cases[] = {
      {SendRadio::Keyboard, kClipIndividual, true, true},
      {SendRadio::Clipboard, kClipIndividual, false, true},
      {SendRadio::Keyboard, kClipClipboardForAll, true, false},
      {SendRadio::Clipboard, kClipKeyboardForAll, false, false},
  };
  for (const Case& c : cases) {
    const SnapOptionsEnabling enabling = SnapOptionsEnablingFor(c.send, c.clipSetting);
    EXPECT_EQ(enabling.delay, c.delay);
    EXPECT_EQ(enabling.methodRadios, c.radios) << c.clipSetting;
  }
}

TEST(SnapOptions, OkWritesTheChosenValuesAndReadsADisabledDelay) {
  WordsnapRecord working = Working(3, 0, 0);
  ConfirmSnapOptions({CaseItem::Exact, SendRadio::Clipboard, "40"}, working);
  EXPECT_EQ(working.CaseRule, 2);
  EXPECT_EQ(working.ViaClipboard, 1);
  EXPECT_EQ(working.KeyDelay, 40) << "taken although the clipboard disables its box";
  ConfirmSnapOptions({CaseItem::FirstCharacter, SendRadio::Keyboard, "5"}, working);
  EXPECT_EQ(working.CaseRule, 1);
  EXPECT_EQ(working.ViaClipboard, 0);
}

TEST(SnapOptions, DelayReadsDigitsUpToTheFirstOtherCharacter) {
  struct Case {
    const char* box;
    std::uint16_t delay;
  };
  const Case cases[] = {
      {"9999", 9999}, {"12ab", 12}, {"", 0},     {"abc", 0},     {" 12", 0},
      {"-5", 0},      {"007", 7},   {"65536", 0}, {"70000", 4464},
      // Kept as 16 bits however many digits: 10^20 - 1 modulo 65536.
      {"99999999999999999999", 65535},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadKeyDelay(c.box), c.delay) << c.box;
  }
}

}  // namespace
}  // namespace wordsnap
