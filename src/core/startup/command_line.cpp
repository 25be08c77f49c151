#include "core/startup/command_line.h"

#include <cstdint>
#include <optional>

#include "core/ascii_case.h"
#include "core/store/data_file_names.h"

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
    return Effect(SwitchKind::Ignored);
  }
  return SwitchEffect{SwitchKind::SyncMinutes, {}, static_cast<int>(*minutes)};
}

SwitchEffect PrefixEffect(std::string_view keys) {
  if (keys.size() > kCommandLinePrefixMaxLength) return Effect(SwitchKind::Ignored);
  for (char c : keys) {
    if (!IsValidPrefixKey(c)) return Effect(SwitchKind::Ignored);
  }
  return SwitchEffect{SwitchKind::CommandLinePrefix, std::string(keys), 0};
}

SwitchEffect OpenFileEffect(std::string_view path) {
  // A path the settings cannot give back whole is never opened: cut at the next
  // start, it would name some other file.
  if (!FitsCurrentFileSetting(path)) return Effect(SwitchKind::Ignored);
  return SwitchEffect{SwitchKind::OpenFile, std::string(path), 0};
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

  if (a == "/B") return Effect(SwitchKind::RestrictedModeB);
  if (a == "/S") return Effect(SwitchKind::AutoSyncOn);
  if (a == "/BA") return Effect(SwitchKind::RestrictedModeBA);
  if (StartsWith(a, "/F")) return OpenFileEffect(a.substr(2));
  if (a == "/N") return Effect(SwitchKind::NetworkModeOn);
  if (a == "/UP") return Effect(SwitchKind::PrefixKeysInForce);
  if (a == "/US") return Effect(SwitchKind::SuffixKeysInForce);
  if (StartsWith(a, "/SM")) return SyncMinutesEffect(a.substr(3));
  if (a == "/CC") return Effect(SwitchKind::ClipboardForAll);
  if (a == "/CK") return Effect(SwitchKind::KeyboardForAll);
  if (a == "/CI") return Effect(SwitchKind::IndividualSettings);
  if (a == "/SOL") return Effect(SwitchKind::SolitaryUsageOn);
  if (a == "/CE") return Effect(SwitchKind::CaseExact);
  if (a == "/CM") return Effect(SwitchKind::CaseMatchFirstChar);
  if (a == "/T") return Effect(SwitchKind::UseTrayOn);
  if (StartsWith(a, "/P")) return PrefixEffect(a.substr(2));
  return Effect(SwitchKind::Ignored);
}

bool ApplySwitchToSettings(const SwitchEffect& effect, Settings& settings) {
  switch (effect.kind) {
    case SwitchKind::AutoSyncOn: settings.autoSync = true; return true;
    case SwitchKind::NetworkModeOn: settings.networkMode = true; return true;
    case SwitchKind::PrefixKeysInForce: settings.useSuffix = false; return true;
    case SwitchKind::SuffixKeysInForce: settings.useSuffix = true; return true;
    case SwitchKind::SyncMinutes: settings.syncMinutes = static_cast<std::uint16_t>(effect.number); return true;
    case SwitchKind::ClipboardForAll: settings.clipSetting = kClipClipboardForAll; return true;
    case SwitchKind::KeyboardForAll: settings.clipSetting = kClipKeyboardForAll; return true;
    case SwitchKind::IndividualSettings: settings.clipSetting = kClipIndividual; return true;
    case SwitchKind::SolitaryUsageOn: settings.solitaryUsage = true; return true;
    case SwitchKind::CaseExact: settings.caseSensative = kCaseExact; return true;
    case SwitchKind::CaseMatchFirstChar: settings.caseSensative = kCaseFirstCharacter; return true;
    case SwitchKind::UseTrayOn: settings.useTray = true; return true;
    case SwitchKind::Ignored:
    case SwitchKind::RestrictedModeB:
    case SwitchKind::RestrictedModeBA:
    case SwitchKind::OpenFile:
    case SwitchKind::CommandLinePrefix:
      return false;
  }
  return false;
}

bool ApplySwitchToModes(const SwitchEffect& effect, CommandLineModes& modes) {
  switch (effect.kind) {
    case SwitchKind::RestrictedModeB: modes.restrictedB = true; return true;
    case SwitchKind::RestrictedModeBA: modes.restrictedBA = true; return true;
    case SwitchKind::CommandLinePrefix:
      modes.prefix = effect.text;
      modes.prefixGiven = true;
      return true;
    default:
      return false;
  }
}

}  // namespace wordsnap
