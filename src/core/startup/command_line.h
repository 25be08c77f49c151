#pragma once
// The command-line switches: what one argument asks for, and the parts of it
// that only change the settings record or the start-up modes.

#include <string>
#include <string_view>

#include "core/settings/settings.h"

namespace wordsnap {

enum class SwitchKind {
  Ignored,             // fits no switch, or its value is not acceptable
  RestrictedModeB,     // "/B"
  AutoSyncOn,          // "/S"
  RestrictedModeBA,    // "/BA"
  OpenFile,            // "/F" + path: text = path, upper-cased
  NetworkModeOn,       // "/N"
  PrefixKeysInForce,   // "/UP": Use Suffix off
  SuffixKeysInForce,   // "/US": Use Suffix on
  SyncMinutes,         // "/SM" + 1..98: number = minutes
  ClipboardForAll,     // "/CC": Clip Setting 1
  KeyboardForAll,      // "/CK": Clip Setting 2
  IndividualSettings,  // "/CI": Clip Setting 0
  SolitaryUsageOn,     // "/SOL"
  CaseExact,           // "/CE": Case Sensative 2
  CaseMatchFirstChar,  // "/CM": Case Sensative 1
  UseTrayOn,           // "/T"
  CommandLinePrefix,   // "/P" + 0 to 2 keys: text = keys
};

struct SwitchEffect {
  SwitchKind kind = SwitchKind::Ignored;
  std::string text;  // path of OpenFile, keys of CommandLinePrefix
  int number = 0;    // minutes of SyncMinutes
};

// Most characters a command-line prefix may have.
inline constexpr std::size_t kCommandLinePrefixMaxLength = 2;

// Reads one argument. It is upper-cased first (a to z only), then the switches
// are tried in a fixed order and the first that fits decides.
SwitchEffect ParseSwitch(std::string_view argument);

// True when every character may be a prefix key: letters, digits and
// ! # $ % & * + , - . / ; < = > ? @ ^ _ (neither apostrophe nor backslash).
bool IsValidPrefixKey(char c);

// Applies the effects that only change the settings record; returns whether the
// effect was one of them. Opening a file and re-reading the sync file after
// "/N" are left to the caller.
bool ApplySwitchToSettings(const SwitchEffect& effect, Settings& settings);

// Modes that the command line alone sets, cleared before the arguments are read.
struct CommandLineModes {
  bool restrictedB = false;
  bool restrictedBA = false;
  bool prefixGiven = false;
  std::string prefix;  // the command-line prefix keys when prefixGiven
};

// Applies the restricted modes and the command-line prefix; returns whether the
// effect was one of them.
bool ApplySwitchToModes(const SwitchEffect& effect, CommandLineModes& modes);

}  // namespace wordsnap
