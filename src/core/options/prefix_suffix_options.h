#pragma once
// The "Prefix and Suffix Keys" choices without their window: the check of the
// prefix keys, and what OK changes in the settings, the prefix keys and the
// running hint prompt.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/settings.h"

namespace wordsnap {

inline constexpr std::size_t kPrefixKeysBoxMaxLength = 2;
inline constexpr std::size_t kPrefixKeysCheckedLength = 5;  // characters of the trimmed box that are checked

inline constexpr const char* kInvalidPrefixKeys =
    "The Prefix Keys has invalid characters in it.  Valid characters are "
    "A - Z, a - z, 0 - 9 and ' ! @ # $ % ^ & _ = < > ? . ; , * - / + \\";

// Letters, digits, ! # $ % & * + , - . / ; < = > ? @ ^ _ and the backslash.
bool IsValidDialogPrefixKey(char c);

// The box's text without surrounding spaces, at most 5 characters of it; nothing
// when one of them is not a valid prefix key.
std::optional<std::string> CheckPrefixKeys(std::string_view boxText);

// What the dialog's controls hold.
struct PrefixSuffixChoices {
  std::string prefixKeysText;
  bool useSuffix = false;
  bool usePunctuation = true;
  bool retypeSuffix = true;
  bool doHint = true;
  int hintPosition = 1;  // 1..9; 0 when no position is checked
};

// The controls as the dialog opens for these settings and prefix keys. A
// position outside 1..9 checks none (0).
PrefixSuffixChoices ChoicesFromSettings(const Settings& settings, const std::string& prefixKeys);

// Whether the hint prompt runs under these settings.
bool HintPromptRuns(const Settings& settings);

// What the opening settings said about the hint prompt.
struct HintAtOpening {
  bool running = false;
  int position = 0;
};
HintAtOpening NoteHintAtOpening(const Settings& settings);

enum class HintFollowUp {
  None,
  MoveTo,  // post the position command with the new position
  Launch,  // start the hint prompt
  Close,   // post the close command
};

HintFollowUp DecideHintFollowUp(const HintAtOpening& opening, const Settings& now);

struct PrefixSuffixOutcome {
  bool accepted = false;           // false: invalid prefix keys, nothing stored
  bool prefixKeysChanged = false;  // the new keys must be written into the data file
  HintFollowUp hint = HintFollowUp::None;
};

// OK: checks the prefix keys, then takes the new keys (at most 2 characters,
// only when they differ, case-sensitively) and the settings from the controls.
// A position of 0 leaves the hint position as it was.
PrefixSuffixOutcome ConfirmPrefixSuffix(const PrefixSuffixChoices& choices, const HintAtOpening& opening,
                                        Settings& settings, std::string& prefixKeys);

}  // namespace wordsnap
