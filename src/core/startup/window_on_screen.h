#pragma once
// Keeping a saved window position visible: a position that lies off every screen (a
// monitor unplugged, a smaller screen, a hand-edited settings file) is moved into the
// nearest screen's work area.

#include <cstdint>
#include <vector>

namespace wordsnap {

struct ScreenRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;

  bool operator==(const ScreenRect&) const = default;
};

// The window unchanged when it lies wholly inside one work area; otherwise moved into
// the work area it overlaps most (or, overlapping none, the nearest one), keeping its
// size where that fits and shrinking it to the work area where not. With no work
// areas the window is returned as it is.
ScreenRect KeepOnScreen(const ScreenRect& window, const std::vector<ScreenRect>& workAreas);

}  // namespace wordsnap
