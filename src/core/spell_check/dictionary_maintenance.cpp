#include "core/spell_check/dictionary_maintenance.h"

namespace wordsnap {

std::string HeadLabelText(UserListMode mode, bool americanDictionary) {
  const std::string language = DictionaryWord(americanDictionary);
  if (mode == UserListMode::ValidWords)
    return "These words will be added to the " + language + " dictionary and counted as valid.";
  return "These words will be excluded from the  " + language + " dictionary and will be invalid.";
}

const std::string& UserListPath(UserListMode mode, const SpellingFiles& files) {
  return mode == UserListMode::ValidWords ? files.includeList : files.excludeList;
}

std::int16_t UserListKind(UserListMode mode) {
  return mode == UserListMode::ValidWords ? kValidWordsList : kInvalidWordsList;
}

std::optional<std::size_t> SelectionAfterDelete(std::size_t removed, std::size_t rowsLeft) {
  if (rowsLeft == 0) return std::nullopt;
  return removed < rowsLeft ? removed : rowsLeft - 1;
}

}  // namespace wordsnap
