#pragma once
// The rules of the dialog in which the user keeps a word list: which list, what
// its heading says, and which row is selected after a delete.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/spell_check/spelling_files.h"

namespace wordsnap {

enum class UserListMode {
  InvalidWords = 1,  // "&Exclude From Dictionary"
  ValidWords = 2,    // "A&dd To Dictionary"
};

std::string HeadLabelText(UserListMode mode, bool americanDictionary);
const std::string& UserListPath(UserListMode mode, const SpellingFiles& files);
std::int16_t UserListKind(UserListMode mode);

// The row selected after row `removed` was deleted, leaving `rowsLeft` rows: the
// row now at the same place, or the last row when the removed one was last.
std::optional<std::size_t> SelectionAfterDelete(std::size_t removed, std::size_t rowsLeft);

}  // namespace wordsnap
