#include "core/settings/setting_values.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/ascii_case.h"
#include "core/settings/settings.h"

namespace wordsnap {

namespace {

std::string_view SkipLeadingBlanks(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
  return text.substr(start);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string CutToReadBuffer(std::string_view value, std::size_t bufferSize) {
  if (bufferSize == 0) return {};
  return std::string(value.substr(0, bufferSize - 1));
}

bool ReadBoolValue(std::string_view text) {
  constexpr std::string_view kYes = "YES";
  if (text.size() != kYes.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (UpperAscii(text[i]) != kYes[i]) return false;
  }
  return true;
}

std::string WriteBoolValue(bool value) { return value ? "Yes" : "No"; }

std::int32_t ReadIntegerValue(std::string_view text) {
  text = SkipLeadingBlanks(text);
  bool negative = false;
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
    negative = text[pos] == '-';
    ++pos;
  }
  // Accumulate towards the sign and stop growing at the int32 bound, so that a
  // long run of digits clamps instead of overflowing.
  constexpr std::int64_t kLimitPositive = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kLimitNegative = -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min());
  const std::int64_t limit = negative ? kLimitNegative : kLimitPositive;
  std::int64_t magnitude = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    magnitude = magnitude * 10 + (text[pos] - '0');
    if (magnitude > limit) magnitude = limit;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::string WriteIntegerValue(std::int64_t value) { return std::to_string(value); }

double ReadRealValue(std::string_view text) {
  text = SkipLeadingBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || !std::isfinite(value)) return 0.0;
  return value;
}

std::string WriteDelaySecondsValue(double value) {
  if (!std::isfinite(value) || value == 0.0) value = 0.0;  // also turns -0 into 0
  // Large enough for any finite double in fixed notation with two decimals.
  char buffer[std::numeric_limits<double>::max_exponent10 + 32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
  if (result.ec != std::errc()) return "0.00";
  return std::string(buffer, result.ptr);
}

std::int32_t ReadCaseSensativeValue(std::string_view text) {
  if (text == "Yes") return kCaseExact;
  const std::int32_t number = ReadIntegerValue(text);
  return number == 0 ? kCaseNone : number;
}

std::uint16_t ReadSyncMinutesValue(std::string_view text) {
  const std::int32_t number = ReadIntegerValue(text);
  if (number < 0) return 0;
  if (number > std::numeric_limits<std::uint16_t>::max()) return std::numeric_limits<std::uint16_t>::max();
  return static_cast<std::uint16_t>(number);
}

}  // namespace wordsnap
