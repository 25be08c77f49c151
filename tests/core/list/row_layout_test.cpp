#include "core/list/row_layout.h"

#include <gtest/gtest.h>

#include <array>

#include "core/dpi/dpi_scale.h"
#include "core/list/main_window_layout.h"
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
    const RowLayout row = LayoutRow(0, c.counterColumn, CounterColumnWidthFor(c.records), kDesignDpi);
    EXPECT_EQ(row.nameX, c.nameX) << c.records << " " << c.counterColumn;
    EXPECT_EQ(row.previewX, c.previewX) << c.records << " " << c.counterColumn;
    EXPECT_EQ(row.replacementEdgeX, c.edgeX) << c.records << " " << c.counterColumn;
    EXPECT_EQ(row.counterTextX, 2);
  }
}

TEST(LayoutRow, PositionsFollowTheRowsLeftEdgeButTheCounterFillDoesNot) {
  const RowLayout row = LayoutRow(5, true, 21, kDesignDpi);
  EXPECT_EQ(row.counterRight, 21);
  EXPECT_EQ(row.counterEdgeX, 26);
  EXPECT_EQ(row.counterTextX, 7);
  EXPECT_EQ(row.nameX, 28);
  EXPECT_EQ(row.replacementEdgeX, 149);
  EXPECT_EQ(row.previewX, 151);
}

TEST(LayoutRow, EveryColumnGrowsWithTheDpi) {
  const RowLayout row = LayoutRow(5, true, 21, 144);
  EXPECT_EQ(row.counterRight, 32);       // 31.5
  EXPECT_EQ(row.counterEdgeX, 37);
  EXPECT_EQ(row.counterTextX, 8);        // a margin of 3
  EXPECT_EQ(row.nameX, 40);
  EXPECT_EQ(row.replacementEdgeX, 222);  // 32 + 185
  EXPECT_EQ(row.previewX, 225);
  EXPECT_EQ(ListRowHeight(144), 30);
  EXPECT_EQ(ListFontHeight(144), 23);
  EXPECT_EQ(ListRowHeight(kDesignDpi), kListRowHeight);
}

TEST(LayoutMainWindow, PartsFollowTheClientAreaAndScaleByTheirEdges) {
  const MainWindowLayout at96 = LayoutMainWindow(479, 302, kDesignDpi);
  EXPECT_EQ(at96.SpeedPanel.height, 31);
  EXPECT_EQ(at96.DataPanel.top, 31);
  EXPECT_EQ(at96.DataPanel.height, 271);
  EXPECT_EQ((std::array{at96.Bevel1.left, at96.Bevel1.top, at96.Bevel1.width, at96.Bevel1.height}),
            (std::array{4, 4, 471, 265}));
  EXPECT_EQ((std::array{at96.Label1.left, at96.Label1.width, at96.Label2.left, at96.Label2.width}),
            (std::array{8, 125, 148, 323}));
  EXPECT_EQ((std::array{at96.KeyList.left, at96.KeyList.top, at96.KeyList.width, at96.KeyList.height}),
            (std::array{8, 32, 463, 234}));

  const MainWindowLayout at144 = LayoutMainWindow(719, 453, 144);
  EXPECT_EQ(at144.SpeedPanel.height, 47);  // 46.5
  EXPECT_EQ(at144.DataPanel.top, 47);
  EXPECT_EQ(at144.Label1.top + at144.Label1.height, 47);
  EXPECT_EQ(at144.KeyList.top, 48);
  EXPECT_EQ(at144.KeyList.left + at144.KeyList.width, 719 - 12);
  EXPECT_EQ(at144.KeyList.top + at144.KeyList.height, at144.DataPanel.height - 8);  // 7.5

  const MainWindowLayout tiny = LayoutMainWindow(10, 20, 144);
  for (const PanelRect& part : {tiny.DataPanel, tiny.Bevel1, tiny.Label2, tiny.KeyList}) {
    EXPECT_GE(part.width, 0);
    EXPECT_GE(part.height, 0);
  }
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
