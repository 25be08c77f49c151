#include "core/editor/wordsnap_name.h"

#include <algorithm>

#include "core/editor/trim_blanks.h"

namespace wordsnap {
namespace {

constexpr std::string_view kNamePunctuation = "'!#$%&*+,-./;<=>?@^_";

}  // namespace

bool IsValidNameCharacter(char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  return c != '\0' && kNamePunctuation.find(c) != std::string_view::npos;
}

CheckedName CheckWordsnapName(std::string_view typed) {
  CheckedName checked;
  checked.Name = TrimBlanks(typed).substr(0, kTypedNameKept);
  if (checked.Name.empty()) {
    checked.Result = NameCheck::Empty;
  } else if (!std::all_of(checked.Name.begin(), checked.Name.end(), IsValidNameCharacter)) {
    checked.Result = NameCheck::InvalidCharacter;
  } else {
    checked.Result = NameCheck::Valid;
  }
  return checked;
}

}  // namespace wordsnap
