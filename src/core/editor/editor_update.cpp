#include "core/editor/editor_update.h"

#include "core/editor/wordsnap_name.h"
#include "core/settings/settings.h"

namespace wordsnap {

WordsnapRecord NewWorkingRecord(std::int32_t clipSetting, std::int32_t caseSensative) {
  WordsnapRecord record;
  record.ViaClipboard = clipSetting == kClipKeyboardForAll ? 0 : 1;
  record.CaseRule = static_cast<std::int16_t>(caseSensative);
  record.KeyDelay = 0;
  return record;
}

bool SendMethodChoosable(std::int32_t clipSetting) { return clipSetting == kClipIndividual; }

CaseItem CaseItemFor(std::int16_t caseRule) {
  switch (caseRule) {
    case kCaseFirstCharacter: return CaseItem::FirstCharacter;
    case kCaseExact: return CaseItem::Exact;
    default: return CaseItem::None;
  }
}

UpdateCheck CheckUpdate(std::string_view typedName, std::string_view memoText) {
  UpdateCheck check;
  const CheckedName name = CheckWordsnapName(typedName);
  if (name.Result == NameCheck::Empty) {
    check.Refusal = StoreMessage{kNoNameEntered, kCaptionError};
    return check;
  }
  if (name.Result == NameCheck::InvalidCharacter) {
    check.Refusal = StoreMessage{kInvalidNameCharacters, kCaptionError};
    return check;
  }
  check.Name = name.Name.substr(0, kMaxNameLength);
  if (memoText.size() > kMaxReplacementText) {
    check.Notice = StoreMessage{kReplacementTruncated, kCaptionError};
    memoText = memoText.substr(0, kMaxReplacementText);
  }
  check.Text = std::string(memoText);
  return check;
}

void StoreUpdate(const UpdateCheck& accepted, const WordsnapRecord& working, bool newMode, WordsnapStore& store) {
  WordsnapRecord& record = store.Current.Record;
  if (newMode) {
    ++store.RecordCount;
    record = WordsnapRecord{};
    record.Active = 1;
  }
  record.Name = accepted.Name;
  record.ViaClipboard = working.ViaClipboard;
  record.CaseRule = working.CaseRule;
  record.KeyDelay = working.KeyDelay;
  record.ReplacementText = accepted.Text;
}

}  // namespace wordsnap
