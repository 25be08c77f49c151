#include "core/hint/hint_placement.h"

#include <algorithm>

namespace wordsnap {
namespace {

// Places one axis: 0 near the start, 1 centred, 2 near the end.
int PlaceAlong(int slot, int start, int end, int size, int margin) {
  int at = start + margin;
  if (slot == 1) at = start + (end - start - size) / 2;
  if (slot == 2) at = end - margin - size;
  at = std::min(at, end - size);
  return std::max(at, start);
}

}  // namespace

ScreenPoint PlaceHintWindow(int position, ScreenEdges workArea, int width, int height, int margin) {
  const int index = ValidHintPosition(position).value_or(kHintPositionDefault) - 1;
  return {PlaceAlong(index % 3, workArea.left, workArea.right, width, margin),
          PlaceAlong(index / 3, workArea.top, workArea.bottom, height, margin)};
}

}  // namespace wordsnap
