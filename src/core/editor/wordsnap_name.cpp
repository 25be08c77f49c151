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
  checked.name = TrimBlanks(typed).substr(0, kTypedNameKept);
  if (checked.name.empty()) {
    checked.result = NameCheck::Empty;
  } else if (!std::all_of(checked.name.begin(), checked.name.end(), IsValidNameCharacter)) {
    checked.result = NameCheck::InvalidCharacter;
  } else {
    checked.result = NameCheck::Valid;
  }
  return checked;
}

}  // namespace wordsnap
