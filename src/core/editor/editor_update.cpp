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
  if (name.result == NameCheck::Empty) {
    check.refusal = StoreMessage{kNoNameEntered, kCaptionError};
    return check;
  }
  if (name.result == NameCheck::InvalidCharacter) {
    check.refusal = StoreMessage{kInvalidNameCharacters, kCaptionError};
    return check;
  }
  check.name = name.name.substr(0, kMaxNameLength);
  if (memoText.size() > kMaxReplacementText) {
    check.notice = StoreMessage{kReplacementTruncated, kCaptionError};
    memoText = memoText.substr(0, kMaxReplacementText);
  }
  check.text = std::string(memoText);
  return check;
}

void StoreUpdate(const UpdateCheck& accepted, const WordsnapRecord& working, bool newMode, WordsnapStore& store) {
  WordsnapRecord& record = store.current.Record;
  if (newMode) {
    ++store.recordCount;
    record = WordsnapRecord{};
    record.Active = 1;
  }
  record.Name = accepted.name;
  record.ViaClipboard = working.ViaClipboard;
  record.CaseRule = working.CaseRule;
  record.KeyDelay = working.KeyDelay;
  record.ReplacementText = accepted.text;
}

}  // namespace wordsnap
