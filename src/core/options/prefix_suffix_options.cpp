#include "core/options/prefix_suffix_options.h"

#include "core/editor/trim_blanks.h"
#include "core/startup/command_line.h"

namespace wordsnap {

bool IsValidDialogPrefixKey(char c) { return IsValidPrefixKey(c) || c == '\\'; }

std::optional<std::string> CheckPrefixKeys(std::string_view boxText) {
  std::string keys = TrimBlanks(boxText).substr(0, kPrefixKeysCheckedLength);
  for (char c : keys)
    if (!IsValidDialogPrefixKey(c)) return std::nullopt;
  return keys;
}

PrefixSuffixChoices ChoicesFromSettings(const Settings& settings, const std::string& prefixKeys) {
  PrefixSuffixChoices choices;
  choices.prefixKeysText = prefixKeys;
  choices.useSuffix = settings.useSuffix;
  choices.usePunctuation = settings.usePunctuation;
  choices.retypeSuffix = settings.retypeSuffix;
  choices.doHint = settings.doHint;
  choices.hintPosition = settings.hintPosition >= 1 && settings.hintPosition <= 9 ? settings.hintPosition : 0;
  return choices;
}

bool HintPromptRuns(const Settings& settings) { return settings.useSuffix && settings.doHint; }

HintAtOpening NoteHintAtOpening(const Settings& settings) {
  return HintAtOpening{HintPromptRuns(settings), settings.hintPosition};
}

HintFollowUp DecideHintFollowUp(const HintAtOpening& opening, const Settings& now) {
  if (HintPromptRuns(now)) {
    if (!opening.running) return HintFollowUp::Launch;
    return now.hintPosition != opening.position ? HintFollowUp::MoveTo : HintFollowUp::None;
  }
  return opening.running ? HintFollowUp::Close : HintFollowUp::None;
}

PrefixSuffixOutcome ConfirmPrefixSuffix(const PrefixSuffixChoices& choices, const HintAtOpening& opening,
                                        Settings& settings, std::string& prefixKeys) {
  PrefixSuffixOutcome outcome;
  const std::optional<std::string> keys = CheckPrefixKeys(choices.prefixKeysText);
  if (!keys) return outcome;
  outcome.accepted = true;
  const std::string kept = keys->substr(0, kPrefixKeysBoxMaxLength);
  if (kept != prefixKeys) {
    prefixKeys = kept;
    outcome.prefixKeysChanged = true;
  }
  settings.useSuffix = choices.useSuffix;
  settings.usePunctuation = choices.usePunctuation;
  settings.doHint = choices.doHint;
  settings.retypeSuffix = choices.retypeSuffix;
  if (choices.hintPosition >= 1 && choices.hintPosition <= 9) settings.hintPosition = choices.hintPosition;
  outcome.hint = DecideHintFollowUp(opening, settings);
  return outcome;
}

}  // namespace wordsnap
