#include "core/startup/command_line.h"

#include <cstdint>
#include <optional>

#include "core/ascii_case.h"

namespace wordsnap {

namespace {

constexpr int kSyncMinutesLowest = 1;
constexpr int kSyncMinutesHighest = 98;

bool StartsWith(std::string_view text, std::string_view head) { return text.substr(0, head.size()) == head; }

// The whole text as an optionally signed decimal integer; nothing when any other
// character is there. Long digit runs are held at a bound beyond any valid value.
std::optional<std::int64_t> ParseWholeInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  constexpr std::int64_t kBound = 1'000'000'000;
  std::int64_t magnitude = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > kBound) magnitude = kBound;
  }
  return negative ? -magnitude : magnitude;
}

SwitchEffect Effect(SwitchKind kind) { return SwitchEffect{kind, {}, 0}; }

SwitchEffect SyncMinutesEffect(std::string_view value) {
  const std::optional<std::int64_t> minutes = ParseWholeInteger(value);
  if (!minutes || *minutes < kSyncMinutesLowest || *minutes > kSyncMinutesHighest) {
    return Effect(SwitchKind::kIgnored);
  }
  return SwitchEffect{SwitchKind::kSyncMinutes, {}, static_cast<int>(*minutes)};
}

SwitchEffect PrefixEffect(std::string_view keys) {
  if (keys.size() > kCommandLinePrefixMaxLength) return Effect(SwitchKind::kIgnored);
  for (char c : keys) {
    if (!IsValidPrefixKey(c)) return Effect(SwitchKind::kIgnored);
  }
  return SwitchEffect{SwitchKind::kCommandLinePrefix, std::string(keys), 0};
}

SwitchEffect OpenFileEffect(std::string_view path) {
  // A path the settings record cannot hold whole is never opened: cut, it would
  // name some other file.
  if (path.empty() || path.size() > kSettingTextMaxLength) return Effect(SwitchKind::kIgnored);
  return SwitchEffect{SwitchKind::kOpenFile, std::string(path), 0};
}

}  // namespace

bool IsValidPrefixKey(char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  constexpr std::string_view kPunctuation = "!#$%&*+,-./;<=>?@^_";
  return kPunctuation.find(c) != std::string_view::npos;
}

SwitchEffect ParseSwitch(std::string_view argument) {
  const std::string arg = UpperAscii(argument);
  const std::string_view a = arg;

  if (a == "/B") return Effect(SwitchKind::kRestrictedModeB);
  if (a == "/S") return Effect(SwitchKind::kAutoSyncOn);
  if (a == "/BA") return Effect(SwitchKind::kRestrictedModeBA);
  if (StartsWith(a, "/F")) return OpenFileEffect(a.substr(2));
  if (a == "/N") return Effect(SwitchKind::kNetworkModeOn);
  if (a == "/UP") return Effect(SwitchKind::kPrefixKeysInForce);
  if (a == "/US") return Effect(SwitchKind::kSuffixKeysInForce);
  if (StartsWith(a, "/SM")) return SyncMinutesEffect(a.substr(3));
  if (a == "/CC") return Effect(SwitchKind::kClipboardForAll);
  if (a == "/CK") return Effect(SwitchKind::kKeyboardForAll);
  if (a == "/CI") return Effect(SwitchKind::kIndividualSettings);
  if (a == "/SOL") return Effect(SwitchKind::kSolitaryUsageOn);
  if (a == "/CE") return Effect(SwitchKind::kCaseExact);
  if (a == "/CM") return Effect(SwitchKind::kCaseMatchFirstChar);
  if (a == "/T") return Effect(SwitchKind::kUseTrayOn);
  if (StartsWith(a, "/P")) return PrefixEffect(a.substr(2));
  return Effect(SwitchKind::kIgnored);
}

bool ApplySwitchToSettings(const SwitchEffect& effect, Settings& settings) {
  switch (effect.kind) {
    case SwitchKind::kAutoSyncOn: settings.autoSync = true; return true;
    case SwitchKind::kNetworkModeOn: settings.networkMode = true; return true;
    case SwitchKind::kPrefixKeysInForce: settings.useSuffix = false; return true;
    case SwitchKind::kSuffixKeysInForce: settings.useSuffix = true; return true;
    case SwitchKind::kSyncMinutes: settings.syncMinutes = static_cast<std::uint16_t>(effect.number); return true;
    case SwitchKind::kClipboardForAll: settings.clipSetting = kClipClipboardForAll; return true;
    case SwitchKind::kKeyboardForAll: settings.clipSetting = kClipKeyboardForAll; return true;
    case SwitchKind::kIndividualSettings: settings.clipSetting = kClipIndividual; return true;
    case SwitchKind::kSolitaryUsageOn: settings.solitaryUsage = true; return true;
    case SwitchKind::kCaseExact: settings.caseSensative = kCaseExact; return true;
    case SwitchKind::kCaseMatchFirstChar: settings.caseSensative = kCaseFirstCharacter; return true;
    case SwitchKind::kUseTrayOn: settings.useTray = true; return true;
    case SwitchKind::kIgnored:
    case SwitchKind::kRestrictedModeB:
    case SwitchKind::kRestrictedModeBA:
    case SwitchKind::kOpenFile:
    case SwitchKind::kCommandLinePrefix:
      return false;
  }
  return false;
}

bool ApplySwitchToModes(const SwitchEffect& effect, CommandLineModes& modes) {
  switch (effect.kind) {
    case SwitchKind::kRestrictedModeB: modes.restrictedB = true; return true;
    case SwitchKind::kRestrictedModeBA: modes.restrictedBA = true; return true;
    case SwitchKind::kCommandLinePrefix:
      modes.prefix = effect.text;
      modes.prefixGiven = true;
      return true;
    default:
      return false;
  }
}

}  // namespace wordsnap
