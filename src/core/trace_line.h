#pragma once
// The line the main window appends to its diagnostic trace file for each trace
// message of the hook library.

#include <cstdint>
#include <string>

namespace wordsnap {

// "WParam = <w>  LParam = <l> <c>" and a line end, c being the character whose
// code is the low byte of l.
std::string FormatTraceLine(std::int32_t wParam, std::int32_t lParam);

}  // namespace wordsnap
