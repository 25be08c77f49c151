#include "core/picker/date_time_picker.h"

#include "core/editor/trim_blanks.h"
#include "core/engine/calendar.h"
#include "core/engine/date_time_formats.h"

namespace wordsnap {
namespace {

bool InList(DateOrTimeMode mode, int row) { return row >= 0 && row < FormatRowCount(mode); }

const LocalDateTime kSampleMoment{{1998, 3, 30}, 15, 4, 23, 0};

}  // namespace

int FormatRowCount(DateOrTimeMode mode) {
  return static_cast<int>(mode == DateOrTimeMode::Date ? kDateFormats.size() : kTimeFormats.size());
}

std::string_view FormatText(DateOrTimeMode mode, int row) {
  if (!InList(mode, row)) return {};
  const auto index = static_cast<std::size_t>(row);
  return mode == DateOrTimeMode::Date ? kDateFormats[index] : kTimeFormats[index];
}

std::string FormatSample(DateOrTimeMode mode, int row) {
  if (!InList(mode, row)) return {};
  if (mode == DateOrTimeMode::Date) return FormatDate(row + 1, true, 0, kSampleMoment.date);
  return FormatTime(row + 1, false, kSampleMoment);
}

int RememberedRow(DateOrTimeMode mode, const Settings& settings) {
  const int row = mode == DateOrTimeMode::Date ? settings.lastDateFormat : settings.lastTimeFormat;
  return InList(mode, row) ? row : -1;
}

bool RememberedSuppressZeros(DateOrTimeMode mode, const Settings& settings) {
  return mode == DateOrTimeMode::Date ? settings.suppressZerosInDate : settings.suppressZerosInTime;
}

void RememberChoice(DateOrTimeMode mode, int row, bool suppressZeros, Settings& settings) {
  if (mode == DateOrTimeMode::Date) {
    settings.lastDateFormat = row;
    settings.suppressZerosInDate = suppressZeros;
  } else {
    settings.lastTimeFormat = row;
    settings.suppressZerosInTime = suppressZeros;
  }
}

std::optional<int> ReadDayCount(std::string_view daysText) {
  const std::string text = TrimBlanks(daysText);
  if (!text.empty() && text.front() == '-') return std::nullopt;
  int count = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    count = count * 10 + (c - '0');
    if (count > kMaxDayCount) return std::nullopt;
  }
  return count;
}

std::string BuildDateCode(int row, bool suppressZeros, bool future, int dayCount) {
  if (!InList(DateOrTimeMode::Date, row) || dayCount < 0 || dayCount > kMaxDayCount) return {};
  const char digits[] = {static_cast<char>('0' + dayCount / 100), static_cast<char>('0' + dayCount / 10 % 10),
                         static_cast<char>('0' + dayCount % 10), '\0'};
  std::string code = "<";
  code += FormatText(DateOrTimeMode::Date, row);
  code += '{';
  code += suppressZeros ? 'N' : 'Y';
  code += future ? 'F' : 'P';
  code += digits;
  code += "}>";
  return code;
}

std::string BuildTimeCode(int row, bool suppressZeros) {
  if (!InList(DateOrTimeMode::Time, row)) return {};
  std::string code = "<";
  code += FormatText(DateOrTimeMode::Time, row);
  code += suppressZeros ? "{N}>" : "{Y}>";
  return code;
}

PickerOutcome ConfirmPicker(DateOrTimeMode mode, const PickerControls& controls, Settings& settings) {
  PickerOutcome outcome;
  int dayCount = 0;
  if (mode == DateOrTimeMode::Date) {
    const std::optional<int> read = ReadDayCount(controls.daysText);
    if (!read) return outcome;
    dayCount = *read;
  }
  outcome.accepted = true;
  if (!InList(mode, controls.row)) return outcome;
  RememberChoice(mode, controls.row, controls.suppressZeros, settings);
  outcome.code = mode == DateOrTimeMode::Date
                     ? BuildDateCode(controls.row, controls.suppressZeros, controls.future, dayCount)
                     : BuildTimeCode(controls.row, controls.suppressZeros);
  return outcome;
}

}  // namespace wordsnap
