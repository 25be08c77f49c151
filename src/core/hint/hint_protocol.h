#pragma once
// What passes between the main program and the hint program "cueview.exe" besides
// the mapping: the message numbers, the command values, the caption by which the
// hint program's window is recognised, and the hint positions.

#include <optional>
#include <string_view>

namespace wordsnap {

// The hint program's file, in the program directory.
inline constexpr char kHintProgramFileName[] = "cueview.exe";

// Main program -> hint window, posted: wParam is a HintCommand; with Position,
// lParam is the position 1..9.
inline constexpr unsigned kHintCommandMessage = 0x0401;  // WM_USER + 1

enum class HintCommand : unsigned {
  Show = 1,      // the hint mapping holds a name and preview to show
  Hide = 2,
  Close = 3,     // end the hint program
  Position = 4,  // take the position in lParam
};

// Hint program -> main window, posted: lParam is the hint program's window handle.
inline constexpr unsigned kHintWindowMessage = 0x040B;

// The hint program's window carries this text in its caption, in any case.
inline constexpr char kHintCaptionMarker[] = "SHOW CUEVIEW";

// True when the caption, upper-cased in ASCII, contains the marker.
bool IsHintWindowCaption(std::string_view caption);

// Hint positions on a 3x3 grid of the work area, in reading order:
// 1 top left, 2 top centre, 3 top right, ... 9 bottom right.
inline constexpr int kHintPositionFirst = 1;
inline constexpr int kHintPositionLast = 9;
inline constexpr int kHintPositionDefault = 1;

// The value as a hint position, or nothing when it lies outside 1..9.
std::optional<int> ValidHintPosition(long long value);

}  // namespace wordsnap
