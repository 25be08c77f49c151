#include "core/hint/hint_command_line.h"

#include <charconv>
#include <optional>

#include "core/ascii_case.h"

namespace wordsnap {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool StartsWithSwitch(std::string_view token, std::string_view name) {
  if (token.size() < name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (UpperAscii(token[i]) != name[i]) return false;
  }
  return true;
}

// Plain decimal digits only: no sign, no blanks, nothing after them.
std::optional<std::uint64_t> ParseDecimal(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::string BuildHintCommandLine(std::uint64_t mainWindow, int position) {
  return "-VJW /RH" + std::to_string(mainWindow) + " /HP" + std::to_string(position);
}

HintStartArguments ParseHintCommandLine(std::string_view commandLine) {
  HintStartArguments arguments;
  std::size_t pos = 0;
  while (pos < commandLine.size()) {
    while (pos < commandLine.size() && IsBlank(commandLine[pos])) ++pos;
    std::size_t end = pos;
    while (end < commandLine.size() && !IsBlank(commandLine[end])) ++end;
    const std::string_view token = commandLine.substr(pos, end - pos);
    pos = end;

    if (StartsWithSwitch(token, "/RH")) {
      arguments.mainWindow = ParseDecimal(token.substr(3)).value_or(0);
    } else if (StartsWithSwitch(token, "/HP")) {
      const auto value = ParseDecimal(token.substr(3));
      std::optional<int> position;
      if (value && *value <= static_cast<std::uint64_t>(kHintPositionLast)) {
        position = ValidHintPosition(static_cast<long long>(*value));
      }
      arguments.position = position.value_or(kHintPositionDefault);
    }
  }
  return arguments;
}

}  // namespace wordsnap
