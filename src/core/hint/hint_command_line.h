#pragma once
// The hint program's command line: "-VJW /RH<main window> /HP<position>", both
// numbers in decimal.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/hint/hint_protocol.h"

namespace wordsnap {

struct HintStartArguments {
  std::uint64_t mainWindow = 0;  // the window to report to; 0 when missing or unreadable
  int position = kHintPositionDefault;
  bool operator==(const HintStartArguments&) const = default;
};

// The parameters the main program passes when it starts the hint program.
std::string BuildHintCommandLine(std::uint64_t mainWindow, int position);

// Reads the parameters back, tolerantly: a missing or unreadable handle gives 0,
// a missing, unreadable or out-of-range position gives the default position.
HintStartArguments ParseHintCommandLine(std::string_view commandLine);

}  // namespace wordsnap
