#include "core/list/row_layout.h"

#include <gtest/gtest.h>

#include "core/store/wordsnap_store.h"

namespace wordsnap {
namespace {

TEST(LayoutRow, NameAndPreviewFollowTheCounterColumnWidthOfTheRecordCount) {
  struct Case {
    bool counterColumn;
    std::int32_t records;
    int nameX;
    int previewX;
    int edgeX;
  };
  const Case cases[] = {
      {true, 9, 14, 137, 135},
      {true, 10, 23, 146, 144},
      {true, 100, 32, 155, 153},
      {true, 1000, 40, 163, 161},
      {true, 10000, 48, 171, 169},
      {false, 9, 2, 125, 123},
      {false, 10000, 2, 125, 123},
  };
  for (const Case& c : cases) {
    const RowLayout row = LayoutRow(0, c.counterColumn, CounterColumnWidthFor(c.records));
    EXPECT_EQ(row.nameX, c.nameX) << c.records << " " << c.counterColumn;
    EXPECT_EQ(row.previewX, c.previewX) << c.records << " " << c.counterColumn;
    EXPECT_EQ(row.replacementEdgeX, c.edgeX) << c.records << " " << c.counterColumn;
    EXPECT_EQ(row.counterTextX, 2);
  }
}

TEST(LayoutRow, PositionsFollowTheRowsLeftEdgeButTheCounterFillDoesNot) {
  const RowLayout row = LayoutRow(5, true, 21);
  EXPECT_EQ(row.counterRight, 21);
  EXPECT_EQ(row.counterEdgeX, 26);
  EXPECT_EQ(row.counterTextX, 7);
  EXPECT_EQ(row.nameX, 28);
  EXPECT_EQ(row.replacementEdgeX, 149);
  EXPECT_EQ(row.previewX, 151);
}

TEST(RowText, CounterShowsThePlaceInTheListFromOne) {
  EXPECT_EQ(CounterText(0), "1");
  EXPECT_EQ(CounterText(9), "10");
}

TEST(StyleOfRow, InactiveRowsAreSilverItalicsEvenWhenSelected) {
  EXPECT_EQ(StyleOfRow(true, false).textColour, kColourBlack);
  EXPECT_EQ(StyleOfRow(true, true).textColour, kColourWhite);
  EXPECT_FALSE(StyleOfRow(true, true).italic);
  for (bool selected : {false, true}) {
    EXPECT_TRUE(StyleOfRow(false, selected).italic);
    EXPECT_EQ(StyleOfRow(false, selected).textColour, 0xC0C0C0u);
  }
}

}  // namespace
}  // namespace wordsnap
