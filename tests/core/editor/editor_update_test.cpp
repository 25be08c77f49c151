#include "core/editor/editor_update.h"

#include <gtest/gtest.h>

#include <string>

#include "core/editor/wordsnap_name.h"
#include "core/settings/settings.h"

namespace wordsnap {
namespace {

TEST(NewWorkingRecord, StartsFromTheSettings) {
  struct Case {
    std::int32_t clipSetting;
    std::uint8_t viaClipboard;
    bool choosable;
  };
  const Case cases[] = {
      {kClipIndividual, 1, true},
      {kClipClipboardForAll, 1, false},
      {kClipKeyboardForAll, 0, false},
  };
  for (const Case& c : cases) {
    const WordsnapRecord record = NewWorkingRecord(c.clipSetting, kCaseExact);
    EXPECT_EQ(record.ViaClipboard, c.viaClipboard) << c.clipSetting;
    EXPECT_EQ(record.CaseRule, kCaseExact);
    EXPECT_EQ(record.KeyDelay, 0);
    EXPECT_EQ(SendMethodChoosable(c.clipSetting), c.choosable) << c.clipSetting;
  }
}

TEST(CaseItemFor, ShowsAnyOtherRuleAsNone) {
  EXPECT_EQ(CaseItemFor(1), CaseItem::FirstCharacter);
  EXPECT_EQ(CaseItemFor(2), CaseItem::Exact);
  EXPECT_EQ(CaseItemFor(3), CaseItem::None);
  EXPECT_EQ(CaseItemFor(0), CaseItem::None);
  EXPECT_EQ(CaseItemFor(-7), CaseItem::None);
}

TEST(CheckUpdate, RefusesAnEmptyOrInvalidNameWithItsMessage) {
  const UpdateCheck empty = CheckUpdate("   ", "text");
  ASSERT_TRUE(empty.refusal);
  EXPECT_EQ(*empty.refusal, (StoreMessage{kNoNameEntered, "Error"}));

  const UpdateCheck invalid = CheckUpdate("a b", "text");
  ASSERT_TRUE(invalid.refusal);
  EXPECT_EQ(*invalid.refusal, (StoreMessage{kInvalidNameCharacters, "Error"}));
}

TEST(CheckUpdate, CutsTheTextAt3000WithANoticeAndTheNameAt10) {
  const std::string exact(3000, 'x');
  const UpdateCheck whole = CheckUpdate(" longername1 ", exact);
  EXPECT_FALSE(whole.refusal);
  EXPECT_FALSE(whole.notice);
  EXPECT_EQ(whole.text, exact);
  EXPECT_EQ(whole.name, "longername");

  const UpdateCheck cut = CheckUpdate("sig", exact + "yz");
  ASSERT_TRUE(cut.notice);
  EXPECT_EQ(cut.notice->text,
            "The size of the replacement keys exceeds the 3,000 character limit.  "
            "The replacement keys will be truncated to 3,000 characters.");
  EXPECT_EQ(cut.text, exact);

  EXPECT_EQ(CheckUpdate("sig", "").text, "");
}

TEST(StoreUpdate, NewModeStartsAnActiveRecordAndCountsIt) {
  WordsnapStore store;
  store.recordCount = 4;
  store.current.Record.Name = "old";
  store.current.Record.Active = 0;
  store.current.Record.Unused = {7, 7};
  WordsnapRecord working = NewWorkingRecord(kClipIndividual, kCaseFirstCharacter);
  working.KeyDelay = 25;

  StoreUpdate(CheckUpdate("sig", "Regards"), working, true, store);
  EXPECT_EQ(store.recordCount, 5);
  const WordsnapRecord& r = store.current.Record;
  EXPECT_EQ(r.Name, "sig");
  EXPECT_EQ(r.ReplacementText, "Regards");
  EXPECT_EQ(r.Active, 1);
  EXPECT_EQ(r.ViaClipboard, 1);
  EXPECT_EQ(r.CaseRule, kCaseFirstCharacter);
  EXPECT_EQ(r.KeyDelay, 25);
  EXPECT_EQ(r.Unused, (std::array<std::uint8_t, 2>{0, 0}));
}

TEST(StoreUpdate, EditModeKeepsTheRestOfTheRecordAndTheCount) {
  WordsnapStore store;
  store.recordCount = 4;
  store.current.RecordNo = 2;
  store.current.Record.Name = "sig";
  store.current.Record.Active = 0;
  store.current.Record.Unused = {7, 7};
  store.current.Record.CaseRule = 9;  // kept unless the user picks an item
  WordsnapRecord working = store.current.Record;

  StoreUpdate(CheckUpdate("sig2", "Kind regards"), working, false, store);
  EXPECT_EQ(store.recordCount, 4);
  EXPECT_EQ(store.current.RecordNo, 2);
  const WordsnapRecord& r = store.current.Record;
  EXPECT_EQ(r.Name, "sig2");
  EXPECT_EQ(r.ReplacementText, "Kind regards");
  EXPECT_EQ(r.Active, 0);
  EXPECT_EQ(r.CaseRule, 9);
  EXPECT_EQ(r.Unused, (std::array<std::uint8_t, 2>{7, 7}));
}

}  // namespace
}  // namespace wordsnap
