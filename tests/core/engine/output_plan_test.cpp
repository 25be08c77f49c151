#include "core/engine/output_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/engine/play_plan.h"
#include "fakes/fake_output.h"

namespace wordsnap {
namespace {

using fakes::FakeOutput;

WordsnapRecord RecordOf(const std::string& name, const std::string& text, std::int16_t caseRule = kCaseNone) {
  WordsnapRecord record;
  record.Name = name;
  record.ReplacementText = text;
  record.Active = 1;
  record.CaseRule = caseRule;
  return record;
}

class OutputPlanTest : public ::testing::Test {
 protected:
  OutputPlanTest() {
    settings.useSuffix = true;
    settings.retypeSuffix = false;
    settings.clipSetting = kClipKeyboardForAll;
    settings.useClipboard = true;
  }

  OutputPlan Build(const WordsnapRecord& record, const std::string& typedBuffer) {
    OutputContext context;
    context.typedBuffer = typedBuffer;
    context.typedNameLength = static_cast<std::int32_t>(record.Name.size());
    context.suffixCharacter = suffix;
    context.capsLock = capsLock;
    context.prefixKeys = prefixKeys;
    context.now = now;
    return BuildOutputPlan(record, context, settings, output);
  }

  // Plays the record into a target holding what the user typed: the buffer and,
  // in suffix mode, the suffix key. Returns the target's text afterwards.
  std::string Play(const WordsnapRecord& record, const std::string& typedBuffer) {
    output.document = typedBuffer + (settings.useSuffix ? std::string(1, suffix) : "");
    PlayPlan(Build(record, typedBuffer), output);
    return output.document;
  }

  Settings settings;
  FakeOutput output;
  char suffix = ' ';
  bool capsLock = false;
  std::string prefixKeys;
  LocalDateTime now{{2001, 3, 5}, 0, 30, 0, 0};
};

TEST_F(OutputPlanTest, SuffixModeErasesNameAndSuffixThenTypesEachKeyThenTheEndKey) {
  EXPECT_EQ(Play(RecordOf("sig", "Regards"), "sig"), "Regards");
  EXPECT_EQ(output.Keys(), "08 08 08 08 +10 52 -10 45 47 41 52 44 53 2B");
  EXPECT_EQ(output.Count("pump"), 4 + 7) << "messages are processed after each Backspace and each character";
  EXPECT_EQ(output.unmarkedKeys, 0) << "every key carries the program's mark";
  EXPECT_EQ(output.executeKeys, 1);
}

TEST_F(OutputPlanTest, EraseCountCoversWhatTheUserTyped) {
  struct Case {
    bool useSuffix;
    std::string prefixKeys;
    std::string typed;
    std::size_t backspaces;
  } cases[] = {
      {true, ";;", "sig", 4},     // name and suffix key; prefix keys do not count
      {false, ";;", ";;sig", 5},  // prefix keys and name
      {false, "", "sig", 3},      // the name alone
  };
  for (const Case& c : cases) {
    settings.useSuffix = c.useSuffix;
    prefixKeys = c.prefixKeys;
    output = FakeOutput{};
    EXPECT_EQ(EraseCount(RecordOf("sig", "x"), settings, prefixKeys), c.backspaces);
    EXPECT_EQ(Play(RecordOf("sig", "Regards"), c.typed), "Regards") << c.typed;
  }
}

TEST_F(OutputPlanTest, RetypeSuffixAppendsTheSuffixKeyInSuffixModeOnly) {
  settings.retypeSuffix = true;
  EXPECT_EQ(Play(RecordOf("sig", "Regards"), "sig"), "Regards ");
  suffix = '.';
  EXPECT_EQ(Play(RecordOf("sig", "Regards"), "sig"), "Regards.");
  settings.useSuffix = false;
  EXPECT_EQ(Play(RecordOf("sig", "Regards"), "sig"), "Regards");
}

TEST(FirstCharacterCase, FollowsTheFirstCharacterOfTheTypedName) {
  struct Case {
    std::string typedBuffer;
    std::int32_t nameLength;
    std::string text;
    std::string played;
  } cases[] = {
      {"Sig", 3, "regards", "Regards"},
      {"SIG", 3, "regards", "Regards"},
      {"sIG", 3, "regards", "regards"},
      {"xxSig", 3, "regards", "Regards"},         // the name's first character, not the buffer's
      {"Sxsig", 3, "regards", "regards"},
      {"Sig", 3, "1 regards", "1 regards"},
      {"\xC9sig", 4, "\xE9t\xE9", "\xC9t\xE9"},  // accented capital typed: accented small raised
      {"Sig", 3, "\xF7x", "\xF7x"},              // the division sign has no capital
      {"\xD7sig", 4, "regards", "regards"},       // nor is the multiplication sign one
      {"Sig", 3, "", ""},
      {"Sig", 4, "regards", "regards"},           // a name longer than the buffer changes nothing
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ApplyFirstCharacterCase(c.text, c.typedBuffer, c.nameLength), c.played) << c.typedBuffer;
  }
}

TEST_F(OutputPlanTest, OnlyCaseRuleOneChangesTheText) {
  EXPECT_EQ(Play(RecordOf("sig", "regards", kCaseFirstCharacter), "Sig"), "Regards");
  EXPECT_EQ(Play(RecordOf("sig", "regards", kCaseExact), "Sig"), "regards");
  EXPECT_EQ(Play(RecordOf("sig", "regards", kCaseNone), "SIG"), "regards");
}

TEST_F(OutputPlanTest, CapsLockIsTurnedOffForTheTextAndOnAgainAfterIt) {
  capsLock = true;
  output.capsLockOn = true;
  EXPECT_EQ(Play(RecordOf("sig", "Regards"), "SIG"), "Regards");
  EXPECT_EQ(output.Keys(), "14 08 08 08 08 +10 52 -10 45 47 41 52 44 53 14 2B");
  EXPECT_TRUE(output.capsLockOn);
}

TEST_F(OutputPlanTest, CarriageReturnLineFeedIsOneEnterAndALoneLineFeedIsWhatTheLayoutSays) {
  settings.useSuffix = false;
  output.document = "";
  PlayPlan(Build(RecordOf("", "a\r\nb\nc\r"), ""), output);
  EXPECT_EQ(output.Keys(), "41 0D 42 +11 0D -11 43 0D 2B");
}

TEST_F(OutputPlanTest, CodesAbove127AreTypedAsAltAndKeypadZeroAndTheirDecimalCode) {
  EXPECT_EQ(Play(RecordOf("e", "\xE9"), "e"), "\xE9");
  EXPECT_EQ(output.Keys(), "08 08 +12 60 62 63 63 -12 2B");
}

TEST_F(OutputPlanTest, ShiftStatesPressTheirModifiersAroundTheKey) {
  struct Case {
    std::int16_t scan;
    const char* keys;
  } cases[] = {
      {0x0051, "51"},
      {0x0151, "+10 51 -10"},
      {0x0251, "+11 51 -11"},
      {0x0651, "+11 +12 51 -11 -12"},
      {0x0751, "+10 +11 +12 51 -10 -11 -12"},
  };
  for (const Case& c : cases) {
    FakeOutput layout;
    layout.layoutOverrides['q'] = c.scan;
    OutputPlan plan;
    AppendCharacterKeys(plan, 'q', layout);
    PlayPlan(plan, layout);
    EXPECT_EQ(layout.Keys(), c.keys) << std::hex << c.scan;
  }
}

TEST_F(OutputPlanTest, ACharacterTheLayoutLacksIsComposedFromItsCodeInsteadOfDropped) {
  output.layoutOverrides['('] = -1;
  EXPECT_EQ(Play(RecordOf("p", "(x)"), "p"), "(x)");
  EXPECT_EQ(output.Keys(), "08 08 +12 60 64 60 -12 58 +10 30 -10 2B");
}

TEST_F(OutputPlanTest, KeyboardWayTypesDateAndTimeCodesAndLeavesOtherAnglesAlone) {
  settings.useSuffix = false;
  EXPECT_EQ(Play(RecordOf("d", "On <MM/DD/YY{YF000}> at <hh:mm am{N}>; <DD Mmm YYYY{YP001}>, a < b <>"), "d"),
            "On 03/05/01 at 12:30 am; 04 Mar 2001, a < b <>");
}

TEST_F(OutputPlanTest, KeyDelayFollowsEveryCharacterTypedCodesIncluded) {
  WordsnapRecord record = RecordOf("d", "a<DD{YF000}>");
  record.KeyDelay = 40;
  const OutputPlan plan = Build(record, "d");
  const auto delays = std::count_if(plan.begin(), plan.end(), [](const OutputAction& a) {
    return a.kind == OutputActionKind::KeyDelay && a.milliseconds == 40;
  });
  EXPECT_EQ(delays, 3) << "a, 0 and 5";

  record.KeyDelay = 0;
  const OutputPlan quick = Build(record, "d");
  EXPECT_TRUE(std::none_of(quick.begin(), quick.end(),
                           [](const OutputAction& a) { return a.kind == OutputActionKind::KeyDelay; }));
}

TEST_F(OutputPlanTest, ClipboardSettingAndTheWordsnapsOwnChoicePickTheWay) {
  struct Case {
    std::int32_t clipSetting;
    std::uint8_t viaClipboard;
    bool clipboard;
  } cases[] = {{0, 0, false}, {0, 1, true}, {1, 0, true}, {2, 1, false}, {7, 1, false}};
  for (const Case& c : cases) {
    settings.clipSetting = c.clipSetting;
    WordsnapRecord record = RecordOf("sig", "x");
    record.ViaClipboard = c.viaClipboard;
    EXPECT_EQ(TakesClipboardWay(record, settings), c.clipboard) << c.clipSetting << "/" << int{c.viaClipboard};
  }
}

TEST_F(OutputPlanTest, ClipboardWayPausesPutsTheExpandedTextThereAndPastes) {
  settings.clipSetting = kClipClipboardForAll;
  settings.retypeSuffix = true;
  EXPECT_EQ(Play(RecordOf("due", "Due <MM/DD/YY{YF000}>"), "due"), "Due 03/05/01 ");
  EXPECT_EQ(output.clipboard, "Due 03/05/01 ");
  EXPECT_EQ(output.Keys(), "08 08 08 08 +11 56 -11 2B");

  // The tenth of a second lets the target take the Backspaces before the paste.
  const OutputPlan plan = Build(RecordOf("due", "x"), "due");
  const auto paste = std::find_if(plan.begin(), plan.end(), [](const OutputAction& a) {
    return a.kind == OutputActionKind::KeyDown && a.vk == 0x11;
  });
  ASSERT_NE(paste, plan.begin());
  EXPECT_EQ(std::prev(paste)->kind, OutputActionKind::TenthSecondPause);
}

TEST_F(OutputPlanTest, TheClipboardIsSetBeforeTheNameIsErasedAndWhenRefusedTheNameStays) {
  settings.clipSetting = kClipClipboardForAll;
  struct Case {
    const char* name;
    bool clipboardFails;
    bool capsLock;
    PlayOutcome outcome;
    const char* sent;  // the clipboard's setting and the keys, in order
    const char* document;
  } cases[] = {
      {"set", false, false, PlayOutcome::Played, "clip:Regards 08 08 08 08 +11 56 -11 2B", "Regards"},
      {"set, Caps Lock", false, true, PlayOutcome::Played, "clip:Regards 14 08 08 08 08 +11 56 -11 14 2B", "Regards"},
      // Nothing erased and nothing pasted; the end key still ends the replay for the hook.
      {"refused", true, false, PlayOutcome::ClipboardRefused, "clip:Regards 2B", "sig "},
      {"refused, Caps Lock", true, true, PlayOutcome::ClipboardRefused, "clip:Regards 2B", "sig "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    output = FakeOutput{};
    output.clipboardFails = c.clipboardFails;
    output.clipboard = "stale";
    output.capsLockOn = c.capsLock;
    capsLock = c.capsLock;
    output.document = "sig ";
    EXPECT_EQ(PlayPlan(Build(RecordOf("sig", "Regards"), "sig"), output), c.outcome);
    EXPECT_EQ(output.KeysAndClipboard(), c.sent);
    EXPECT_EQ(output.document, c.document);
    EXPECT_EQ(output.capsLockOn, c.capsLock) << "the user's Caps Lock is as it was";
  }
}

TEST_F(OutputPlanTest, WithoutUseClipboardATenthSecondPausePrecedesTheEndKey) {
  settings.useClipboard = false;
  const OutputPlan plan = Build(RecordOf("sig", "R"), "sig");
  ASSERT_GE(plan.size(), 3u);
  EXPECT_EQ(plan[plan.size() - 3].kind, OutputActionKind::TenthSecondPause);
  EXPECT_EQ(plan[plan.size() - 2], (OutputAction{OutputActionKind::KeyDown, 0x2B, true, false, 0, ""}));

  settings.useClipboard = true;
  const OutputPlan direct = Build(RecordOf("sig", "R"), "sig");
  EXPECT_EQ(direct[direct.size() - 3].kind, OutputActionKind::PumpMessages);
}

}  // namespace
}  // namespace wordsnap
