#pragma once
// The Wordsnap editor's decisions, apart from its window: what a new Wordsnap
// starts with, which menu items show the choices, and what Update stores.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/store/store_messages.h"
#include "core/store/wordsnap_store.h"

namespace wordsnap {

inline constexpr const char* kReplacementTruncated =
    "The size of the replacement keys exceeds the 3,000 character limit.  "
    "The replacement keys will be truncated to 3,000 characters.";

// The record a new Wordsnap starts from: sent through the keyboard when every
// Wordsnap is forced to the keyboard (clip setting 2), otherwise through the
// clipboard; the default case rule; no key delay.
WordsnapRecord NewWorkingRecord(std::int32_t clipSetting, std::int32_t caseSensative);

// The "Via" items may be chosen only under individual settings (clip setting 0).
bool SendMethodChoosable(std::int32_t clipSetting);

enum class CaseItem { FirstCharacter, Exact, None };

// The case item checked for a rule; a rule other than 1 or 2 shows as None.
CaseItem CaseItemFor(std::int16_t caseRule);

struct UpdateCheck {
  std::optional<StoreMessage> refusal;  // set: show it, focus the name box, keep the dialog open
  std::optional<StoreMessage> notice;   // set: show it, then store the cut text
  std::string name;                     // the name to store, at most 10 characters
  std::string text;                     // the replacement text to store, at most 3000 characters
};

// Checks the typed name and the memo's text as Update does.
UpdateCheck CheckUpdate(std::string_view typedName, std::string_view memoText);

// Writes an accepted update into the current-record buffer: the name, the text,
// and the working record's send method, case rule and key delay. A new Wordsnap
// starts from an empty record, active, and raises the record count.
void StoreUpdate(const UpdateCheck& accepted, const WordsnapRecord& working, bool newMode, WordsnapStore& store);

}  // namespace wordsnap
