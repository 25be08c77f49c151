#include "core/startup/window_on_screen.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace wordsnap {
namespace {

// A 1280 x 1024 screen with a 40-pixel taskbar at the bottom, and a second screen of
// 1920 x 1080 to its right.
const ScreenRect kLeftArea{0, 0, 1280, 984};
const ScreenRect kRightArea{1280, 0, 1920, 1040};

TEST(KeepOnScreenTest, PlacesByTable) {
  struct Case {
    const char* name;
    ScreenRect window;
    std::vector<ScreenRect> areas;
    ScreenRect expected;
  };
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const Case cases[] = {
      {"inside: unchanged", {100, 100, 437, 340}, {kLeftArea}, {100, 100, 437, 340}},
      {"inside the second screen: unchanged", {2000, 500, 437, 340}, {kLeftArea, kRightArea}, {2000, 500, 437, 340}},
      {"far off to the bottom right", {3000, 2500, 437, 340}, {kLeftArea}, {843, 644, 437, 340}},
      {"second screen unplugged", {2000, 500, 437, 340}, {kLeftArea}, {843, 500, 437, 340}},
      {"off to the top left", {-900, -700, 437, 340}, {kLeftArea}, {0, 0, 437, 340}},
      {"partly under the taskbar", {100, 800, 437, 340}, {kLeftArea}, {100, 644, 437, 340}},
      {"across two screens: into the one it overlaps most", {1100, 100, 437, 340}, {kLeftArea, kRightArea},
       {1280, 100, 437, 340}},
      {"nearest screen when it overlaps none", {3400, 300, 437, 340}, {kLeftArea, kRightArea},
       {2763, 300, 437, 340}},
      {"too big: shrunk to the work area", {-50, -50, 3000, 2000}, {kLeftArea}, {0, 0, 1280, 984}},
      {"hand-edited extremes", {kMax, kMin, kMax, kMax}, {kLeftArea}, {0, 0, 1280, 984}},
      {"negative size", {50, 50, -10, -10}, {kLeftArea}, {50, 50, -10, -10}},
      {"no screens known: unchanged", {3000, 2500, 437, 340}, {}, {3000, 2500, 437, 340}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(KeepOnScreen(c.window, c.areas), c.expected);
  }
}

}  // namespace
}  // namespace wordsnap
