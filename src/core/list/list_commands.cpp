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
