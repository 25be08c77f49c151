#include "core/startup/window_on_screen.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace wordsnap {

namespace {

// Edges in 64 bits: a hand-edited settings file may hold any 32-bit value.
struct Edges {
  std::int64_t left, top, right, bottom;
};

Edges EdgesOf(const ScreenRect& r) {
  return {r.left, r.top, static_cast<std::int64_t>(r.left) + r.width, static_cast<std::int64_t>(r.top) + r.height};
}

bool Inside(const Edges& inner, const Edges& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

std::int64_t Overlap(const Edges& a, const Edges& b) {
  const std::int64_t w = std::min(a.right, b.right) - std::max(a.left, b.left);
  const std::int64_t h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

// Squared distance between the window's centre and the nearest point of the area.
std::int64_t DistanceSquared(const Edges& window, const Edges& area) {
  const std::int64_t cx = window.left + (window.right - window.left) / 2;
  const std::int64_t cy = window.top + (window.bottom - window.top) / 2;
  const std::int64_t dx = cx < area.left ? area.left - cx : (cx > area.right ? cx - area.right : 0);
  const std::int64_t dy = cy < area.top ? area.top - cy : (cy > area.bottom ? cy - area.bottom : 0);
  // Halved before squaring so coordinates far out cannot overflow.
  return (dx / 2) * (dx / 2) + (dy / 2) * (dy / 2);
}

std::int64_t Clamp(std::int64_t value, std::int64_t low, std::int64_t high) {
  return std::max(low, std::min(value, high));
}

}  // namespace

ScreenRect KeepOnScreen(const ScreenRect& window, const std::vector<ScreenRect>& workAreas) {
  if (workAreas.empty()) return window;
  const Edges w = EdgesOf(window);
  for (const ScreenRect& area : workAreas) {
    if (Inside(w, EdgesOf(area))) return window;
  }

  const ScreenRect* best = &workAreas.front();
  std::int64_t bestOverlap = -1;
  std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
  for (const ScreenRect& area : workAreas) {
    const Edges a = EdgesOf(area);
    const std::int64_t overlap = Overlap(w, a);
    const std::int64_t distance = DistanceSquared(w, a);
    if (overlap > bestOverlap || (overlap == bestOverlap && distance < bestDistance)) {
      best = &area;
      bestOverlap = overlap;
      bestDistance = distance;
    }
  }

  ScreenRect placed;
  placed.width = std::clamp(window.width, 0, best->width);
  placed.height = std::clamp(window.height, 0, best->height);
  const Edges a = EdgesOf(*best);
  placed.left = static_cast<std::int32_t>(Clamp(window.left, a.left, a.right - placed.width));
  placed.top = static_cast<std::int32_t>(Clamp(window.top, a.top, a.bottom - placed.height));
  return placed;
}

}  // namespace wordsnap
