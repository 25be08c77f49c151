#include "core/list/list_commands.h"

namespace wordsnap {

std::optional<StoreMessage> RowCommandRefusal(int rowCount, int selectedRow) {
  if (rowCount <= 0) return StoreMessage{kNoWordsnapsYet, kCaptionError};
  if (selectedRow < 0 || selectedRow >= rowCount) return StoreMessage{kNoWordsnapSelected, kCaptionError};
  return std::nullopt;
}

std::string DeleteQuestion(std::string_view name) {
  return "Are you sure you want to remove \"" + std::string(name) + "\"?";
}

int RowForTypedCharacter(int rowCount, int focusRow, const std::function<bool(int row)>& startsWith) {
  if (rowCount <= 0) return -1;
  const int from = focusRow >= 0 && focusRow < rowCount ? focusRow : -1;
  for (int step = 1; step <= rowCount; ++step) {
    const int row = (from + step) % rowCount;
    if (startsWith(row)) return row;
  }
  return -1;
}

int RowAfterDelete(int removedRow, int rowCount) {
  if (rowCount <= 0) return -1;
  if (removedRow < 0) return 0;
  return removedRow < rowCount ? removedRow : rowCount - 1;
}

ActivateCaptions ActivateCaptionsFor(bool rowActive) {
  if (rowActive) return {"Deacti&vate Wordsnap", "Deactivate Wordsnap"};
  return {"Acti&vate Wordsnap", "Activate Wordsnap"};
}

}  // namespace wordsnap
