#pragma once
// The rules of the list commands that do not need a window: refusals, the
// delete question, the row selected after a delete, and the activate captions.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/store/store_messages.h"

namespace wordsnap {

inline constexpr const char* kNoWordsnapsYet = "No Wordsnaps have been added yet.  Please add one first.";
inline constexpr const char* kNoWordsnapSelected = "No Wordsnap has been selected.  Please select one.";
inline constexpr const char* kCaptionDelete = "Delete";

// Edit, Delete and Activate need a selected row: the refusal to show, if any.
// selectedRow is -1 when nothing is selected.
std::optional<StoreMessage> RowCommandRefusal(int rowCount, int selectedRow);

// Are you sure you want to remove "name"?
std::string DeleteQuestion(std::string_view name);

// The row a typed character moves the list to: the next one after `focusRow`
// (going round past the end) whose name starts with the character, as
// startsWith(row) tells; -1 when none does. focusRow is -1 before the first row.
int RowForTypedCharacter(int rowCount, int focusRow, const std::function<bool(int row)>& startsWith);

// The row to select after deleting row `removedRow` when `rowCount` rows remain:
// the same place, or the new last row; -1 for an empty list.
int RowAfterDelete(int removedRow, int rowCount);

struct ActivateCaptions {
  std::string menuItem;  // the Edit menu's entry, without its shortcut
  std::string hint;      // the speed button's hint and the list menu's entry
};

// The captions offered for a row: an active row offers to deactivate it.
ActivateCaptions ActivateCaptionsFor(bool rowActive);

}  // namespace wordsnap
