#pragma once
// The settings record: every user preference of the program, loaded from the
// settings file at start-up and written back whole whenever a preference changes.
// Default member values are the values used when a key is missing from the file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/case_rule.h"

namespace wordsnap {

// Bare name handed to the profile functions, so the file lives in the Windows directory.
constexpr const char* kSettingsFileName = "WORDSNAP.INI";

// Texts of the record hold at most this many characters.
inline constexpr std::size_t kSettingTextMaxLength = 255;

// Number of recent data files kept, most recent first.
inline constexpr std::size_t kRecentFileCount = 5;

// Font of the printed Wordsnap list.
struct PrintListFont {
  std::string name = "Arial";
  int size = 10;         // point size
  std::int32_t color = 0;  // colour as stored in the settings file (0x00BBGGRR)
  bool bold = false;
  bool italic = false;

  bool operator==(const PrintListFont&) const = default;
};

// Values of the "Clip Setting" setting: how replacements are sent.
inline constexpr std::int32_t kClipIndividual = 0;
inline constexpr std::int32_t kClipClipboardForAll = 1;
inline constexpr std::int32_t kClipKeyboardForAll = 2;

// Values of the "Duplicate Setting" setting: what an import does with a duplicate.
inline constexpr std::int32_t kDuplicateSettingImport = 1;
inline constexpr std::int32_t kDuplicateSettingReplace = 2;
inline constexpr std::int32_t kDuplicateSettingPrompt = 3;

struct Settings {
  std::int32_t mainWindowLeft = 0;
  std::int32_t mainWindowTop = 0;
  std::int32_t mainWindowWidth = 437;
  std::int32_t mainWindowHeight = 340;
  bool maximized = false;
  bool solitaryUsage = false;
  std::int32_t caseSensative = kCaseNone;
  bool useCounterColumn = true;
  bool useSuffix = false;
  bool retypeSuffix = true;
  bool usePunctuation = true;
  // The three delay fields are only carried through load and save, so that a
  // settings file shared with other installations keeps them.
  double delaySeconds = 0.0;
  std::int32_t delayCharacters = 10;
  bool delay = false;
  bool americanDictionary = true;
  bool useClipboard = true;
  bool useTray = false;
  bool useClose = false;
  bool doHint = true;
  std::int32_t hintPosition = 1;  // 1..9, reading order of a 3 by 3 grid
  // Full path of the open data file. Empty only before loading: loading puts
  // "KEY.WSN" in the program directory there when the file holds no path.
  std::string currentFile;
  std::array<std::string, kRecentFileCount> lastFiles;  // empty text = empty slot
  bool networkMode = false;
  bool autoSync = true;
  std::uint16_t syncMinutes = 10;
  std::int32_t duplicateSetting = kDuplicateSettingImport;
  std::int32_t clipSetting = kClipKeyboardForAll;
  std::int32_t lastDateFormat = 0;
  std::int32_t lastTimeFormat = 0;
  bool suppressZerosInDate = true;
  bool suppressZerosInTime = true;
  PrintListFont printListFont;
  // Mirrors of the print list font's style, refreshed just before saving.
  bool bold = false;
  bool italic = false;

  bool operator==(const Settings&) const = default;
};

}  // namespace wordsnap
