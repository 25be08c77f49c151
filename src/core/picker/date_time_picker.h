#pragma once
// The date and time format picker without its window: which formats it lists,
// the sample beside each, the code it hands back, and the choices it remembers.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/settings/settings.h"

namespace wordsnap {

enum class DateOrTimeMode { Date, Time };

// Most characters of the Days box, and the largest day count a code can carry.
inline constexpr std::size_t kDaysBoxMaxLength = 3;
inline constexpr int kMaxDayCount = 999;

// A code is at most this long; an empty code inserts nothing.
inline constexpr std::size_t kPickerCodeMaxLength = 100;

inline constexpr const char* kInvalidDayCount = "The number of days must be a whole number from 0 to 999.";

// Rows of the list in a mode, and the format text of a row (empty outside the list).
int FormatRowCount(DateOrTimeMode mode);
std::string_view FormatText(DateOrTimeMode mode, int row);

// What a row shows beside its format: the format applied to Monday 30 March
// 1998, 15:04:23 (dates with leading zeros, times without).
std::string FormatSample(DateOrTimeMode mode, int row);

// The remembered choices a picker opens with. The row is -1 (none selected)
// when the remembered index lies outside the list.
int RememberedRow(DateOrTimeMode mode, const Settings& settings);
bool RememberedSuppressZeros(DateOrTimeMode mode, const Settings& settings);

// Stores a confirmed choice in the settings record in memory.
void RememberChoice(DateOrTimeMode mode, int row, bool suppressZeros, Settings& settings);

// The Days box read as a day count: blanks around it are ignored, then digits
// are read up to the first other character (none: 0). A leading minus sign or a
// count above 999 gives nothing, since no three-digit day count says it.
std::optional<int> ReadDayCount(std::string_view daysText);

// "<" format "{" Z S DDD "}>": Z is N with zeros suppressed else Y, S is F for
// the future else P, DDD the day count in three digits. Empty for a row outside
// the list.
std::string BuildDateCode(int row, bool suppressZeros, bool future, int dayCount);

// "<" format "{N}>" with zeros suppressed, else "{Y}>". Empty for a row outside the list.
std::string BuildTimeCode(int row, bool suppressZeros);

// What the picker's controls hold when OK is pressed.
struct PickerControls {
  int row = -1;  // selected row, -1 for none
  bool suppressZeros = true;
  bool future = true;
  std::string daysText = "0";
};

struct PickerOutcome {
  bool accepted = false;  // false: the day count is refused and the picker stays open
  std::string code;       // empty: nothing to insert
};

// OK in a mode: refuses a bad day count (date mode only), otherwise builds the
// code and remembers the choice. With no row selected nothing is inserted and
// nothing is remembered.
PickerOutcome ConfirmPicker(DateOrTimeMode mode, const PickerControls& controls, Settings& settings);

}  // namespace wordsnap
