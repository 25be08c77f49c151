#include "core/dpi/dpi_scale.h"

#include <gtest/gtest.h>

#include <limits>

namespace wordsnap {
namespace {

TEST(DpiScale, SizesAtTheUsualScalesRoundToTheNearestPixel) {
  struct Case {
    int dpi;
    double factor;
    int row;     // a list row, 20 at 96 DPI
    int button;  // a speed button, 25
    int font;    // the list's font, 15
    int name;    // the name column, 123
  };
  const Case cases[] = {
      {96, 1.0, 20, 25, 15, 123},
      {120, 1.25, 25, 31, 19, 154},   // 31.25 and 18.75 and 153.75
      {144, 1.5, 30, 38, 23, 185},    // halves go up: 37.5, 22.5, 184.5
      {192, 2.0, 40, 50, 30, 246},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(ScaleFactorFor(c.dpi), c.factor) << c.dpi;
    EXPECT_EQ(ScalePixels(20, c.dpi), c.row) << c.dpi;
    EXPECT_EQ(ScalePixels(25, c.dpi), c.button) << c.dpi;
    EXPECT_EQ(ScalePixels(15, c.dpi), c.font) << c.dpi;
    EXPECT_EQ(ScalePixels(123, c.dpi), c.name) << c.dpi;
    EXPECT_EQ(ScaleByFactor(25, c.factor), c.button) << c.dpi;
  }
  EXPECT_EQ(ScalePixels(-3, 144), -5);  // an offset to the left scales like one to the right
}

TEST(DpiScale, SpansThatMeetStillMeetWhenScaledByTheirEdges) {
  // Speed buttons 25 wide at 0, 25 and 53: at 150% each starts where its left edge
  // scales to, and the first two still touch.
  EXPECT_EQ(ScalePixels(25, 144), 38);
  EXPECT_EQ(ScaledLength(0, 25, 144), 38);
  EXPECT_EQ(ScaledLength(25, 25, 144), 37);
  EXPECT_EQ(ScalePixels(25, 144) + ScaledLength(25, 25, 144), ScalePixels(50, 144));
  EXPECT_EQ(ScaledLength(53, 25, 144), 37);
  EXPECT_EQ(ScaledLength(0, 25, kDesignDpi), 25);
}

TEST(DpiScale, ANonsenseDpiCountsAsTheDesignDpiAndNoSizeOverflows) {
  for (int reported : {0, -96, 1, 47, 769, 1 << 30}) {
    EXPECT_EQ(UsableDpi(reported), kDesignDpi) << reported;
    EXPECT_EQ(ScalePixels(437, reported), 437) << reported;
    EXPECT_EQ(UnscalePixels(437, reported), 437) << reported;
  }
  EXPECT_EQ(ScalePixels(std::numeric_limits<int>::max(), 192), std::numeric_limits<int>::max());
  EXPECT_EQ(ScalePixels(std::numeric_limits<int>::min(), 192), std::numeric_limits<int>::min());
  EXPECT_EQ(UsableDpi(48), 48);
  EXPECT_EQ(UsableDpi(768), 768);
}

TEST(DpiScale, ASizeScaledAndBackIsTheSizeItWas) {
  for (int dpi : {96, 108, 120, 144, 168, 192, 240, 288}) {
    for (int pixels = 0; pixels <= 2000; ++pixels)
      ASSERT_EQ(UnscalePixels(ScalePixels(pixels, dpi), dpi), pixels) << pixels << " at " << dpi;
  }
}

TEST(NearestPictureSize, PicksTheDrawnSizeNearestTheScaledOneAndTheLargerOnATie) {
  struct Case {
    int dpi;
    int size;
  };
  const Case cases[] = {
      {96, 16},  {108, 16}, {120, 24},  // 20 lies between 16 and 24
      {144, 24}, {168, 32},             // 28 lies between 24 and 32
      {192, 32}, {288, 32}, {72, 16},
  };
  for (const Case& c : cases) EXPECT_EQ(NearestPictureSize(16, c.dpi, {16, 24, 32}), c.size) << c.dpi;
  EXPECT_EQ(NearestPictureSize(16, 192, {16, 24}), 24);
  EXPECT_EQ(NearestPictureSize(16, 96, {}), 16);
}

}  // namespace
}  // namespace wordsnap
