#pragma once
// The characters a Wordsnap name may hold, and the check of a typed name. The
// editor and the import both apply it, so a name one accepts the other accepts.

#include <cstddef>
#include <string>
#include <string_view>

namespace wordsnap {

inline constexpr std::size_t kTypedNameKept = 20;  // a typed name is cut to this before it is checked

inline constexpr const char* kNoNameEntered = "No Wordsnap name entered.  Please correct.";
inline constexpr const char* kInvalidNameCharacters =
    "The Original Keys has invalid characters in it.  Valid characters are "
    "A - Z, a - z, 0 - 9 and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +";

// Letters A-Z and a-z, digits, and ' ! # $ % & * + , - . / ; < = > ? @ ^ _.
// The apostrophe is accepted: the refusal message names it as valid and the
// keystroke monitor collects it as a name character, so such a name can fire.
bool IsValidNameCharacter(char c);

enum class NameCheck { Valid, Empty, InvalidCharacter };

struct CheckedName {
  NameCheck result = NameCheck::Empty;
  std::string name;  // without surrounding spaces, at most kTypedNameKept characters
};

// Trims the typed name, keeps its first 20 characters, and checks them in order.
CheckedName CheckWordsnapName(std::string_view typed);

}  // namespace wordsnap
