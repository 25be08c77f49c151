#pragma once
// Where the hint window goes for each hint position.

#include "core/hint/hint_protocol.h"

namespace wordsnap {

// A rectangle in screen pixels by its edges; right and bottom are exclusive.
struct ScreenEdges {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const ScreenEdges&) const = default;
};

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// Distance kept between the hint window and the edges of the work area.
inline constexpr int kHintEdgeMargin = 8;

// Top-left corner of a hint window of the given size at the position (1..9 on a
// 3x3 grid of the work area; anything else counts as the default position). The
// window keeps the margin from the edges it is placed against and stays inside
// the work area when it fits; a window larger than the area is pinned to its
// left and top edges so the start of the text stays visible.
ScreenPoint PlaceHintWindow(int position, ScreenEdges workArea, int width, int height,
                            int margin = kHintEdgeMargin);

}  // namespace wordsnap
