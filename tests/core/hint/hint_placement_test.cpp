#include "core/hint/hint_placement.h"

#include <gtest/gtest.h>

namespace wordsnap {
namespace {

// A 1000x700 work area that does not start at the screen's origin (a taskbar on
// the left and at the top), and a 200x50 hint.
constexpr ScreenEdges kArea{40, 30, 1040, 730};
constexpr int kWidth = 200;
constexpr int kHeight = 50;
constexpr int kMargin = 8;

TEST(HintPlacement, PlacesEachPositionOnTheGrid) {
  const int left = 40 + kMargin;
  const int centreX = 40 + (1000 - kWidth) / 2;
  const int right = 1040 - kMargin - kWidth;
  const int top = 30 + kMargin;
  const int centreY = 30 + (700 - kHeight) / 2;
  const int bottom = 730 - kMargin - kHeight;
  const ScreenPoint expected[] = {
      {left, top},    {centreX, top},    {right, top},
      {left, centreY}, {centreX, centreY}, {right, centreY},
      {left, bottom}, {centreX, bottom}, {right, bottom},
  };
  for (int position = 1; position <= 9; ++position) {
    EXPECT_EQ(PlaceHintWindow(position, kArea, kWidth, kHeight, kMargin), expected[position - 1])
        << "position " << position;
  }
}

TEST(HintPlacement, OutOfRangePositionsTakeTheDefault) {
  const ScreenPoint topLeft = PlaceHintWindow(1, kArea, kWidth, kHeight, kMargin);
  for (int position : {0, 10, -1}) {
    EXPECT_EQ(PlaceHintWindow(position, kArea, kWidth, kHeight, kMargin), topLeft) << position;
  }
}

TEST(HintPlacement, KeepsAWindowThatFitsInsideTheArea) {
  // Too wide for the area less its margins, yet narrower than the area: it gives
  // up margins rather than reach past an edge.
  for (int position = 1; position <= 9; ++position) {
    const ScreenPoint point = PlaceHintWindow(position, kArea, 995, 696, kMargin);
    EXPECT_GE(point.x, kArea.left) << "position " << position;
    EXPECT_LE(point.x + 995, kArea.right) << "position " << position;
    EXPECT_GE(point.y, kArea.top) << "position " << position;
    EXPECT_LE(point.y + 696, kArea.bottom) << "position " << position;
  }
}

TEST(HintPlacement, PinsAnOversizedWindowToTheLeftAndTop) {
  for (int position = 1; position <= 9; ++position) {
    EXPECT_EQ(PlaceHintWindow(position, kArea, 1500, 900, kMargin), (ScreenPoint{40, 30}))
        << "position " << position;
  }
}

}  // namespace
}  // namespace wordsnap
