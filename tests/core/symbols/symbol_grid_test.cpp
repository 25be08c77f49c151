// The symbol picker's grid: codes of the cells, moving the selection, sizes, the result.
#include "core/symbols/symbol_grid.h"

#include <gtest/gtest.h>

#include "core/editor/text_insertion.h"

namespace wordsnap {
namespace {

TEST(SymbolGrid, CellsHoldEightConsecutiveCodesPerColumn) {
  struct Case {
    SymbolCell cell;
    int code;
  };
  const Case cases[] = {{{0, 0}, 128}, {{0, 7}, 135}, {{1, 0}, 136}, {{15, 0}, 248}, {{15, 7}, 255}, {{3, 5}, 157}};
  for (const Case& c : cases) EXPECT_EQ(SymbolCodeAt(c.cell), c.code) << c.cell.column << "," << c.cell.row;

  for (int code = 128; code <= 255; ++code) {
    const std::optional<SymbolCell> cell = CellOfSymbol(static_cast<unsigned char>(code));
    ASSERT_TRUE(cell);
    EXPECT_EQ(SymbolCodeAt(*cell), code);
  }
  EXPECT_FALSE(CellOfSymbol(127));
}

TEST(SymbolGrid, KeysMoveTheSelectionAndStopAtTheEdges) {
  struct Case {
    SymbolCell from;
    GridKey key;
    SymbolCell to;
  };
  const Case cases[] = {
      {{0, 0}, GridKey::Left, {0, 0}},      {{0, 0}, GridKey::Up, {0, 0}},
      {{0, 0}, GridKey::Right, {1, 0}},     {{0, 0}, GridKey::Down, {0, 1}},
      {{15, 7}, GridKey::Right, {15, 7}},   {{15, 7}, GridKey::Down, {15, 7}},
      {{15, 3}, GridKey::Left, {14, 3}},    {{4, 7}, GridKey::Up, {4, 6}},
      {{6, 3}, GridKey::Home, {0, 3}},      {{6, 3}, GridKey::End, {15, 3}},
      {{6, 3}, GridKey::PageUp, {6, 0}},    {{6, 3}, GridKey::PageDown, {6, 7}},
      {{6, 3}, GridKey::CtrlHome, {0, 0}},  {{6, 3}, GridKey::CtrlEnd, {15, 7}},
  };
  for (const Case& c : cases) {
    SymbolPicker picker;
    picker.Select(c.from);
    picker.Move(c.key);
    EXPECT_EQ(picker.Selected(), c.to) << static_cast<int>(c.key) << " from " << c.from.column << "," << c.from.row;
  }
}

TEST(SymbolGrid, TheResultIsEmptyUntilChosenThenTheSelectedCharacter) {
  SymbolPicker picker;
  EXPECT_EQ(picker.Result(), "") << "Cancel and the close button give nothing";
  picker.Choose();
  EXPECT_EQ(picker.Result(), "\x80") << "OK without moving";

  picker.Select({16, 0});  // outside: ignored
  picker.Select({-1, 2});
  EXPECT_EQ(picker.Selected(), (SymbolCell{0, 0}));
  picker.Select({15, 7});
  picker.Choose();
  EXPECT_EQ(picker.Result(), "\xFF");
}

TEST(SymbolGrid, SizesFollowTheScaleAndClicksFindTheirCell) {
  const SymbolGridMetrics plain = SymbolGridMetricsAt(1.0);
  EXPECT_EQ(plain.columnWidth, 26);
  EXPECT_EQ(plain.rowHeight, 24);
  EXPECT_EQ(plain.gridWidth, 436);
  EXPECT_EQ(plain.gridHeight, 204);
  const SymbolGridMetrics larger = SymbolGridMetricsAt(1.25);
  EXPECT_EQ(larger.columnWidth, 32);
  EXPECT_EQ(larger.rowHeight, 30);
  EXPECT_EQ(larger.gridWidth, 532);
  EXPECT_EQ(larger.gridHeight, 252);

  EXPECT_EQ(SymbolCellAt(25, 23, plain), (SymbolCell{0, 0}));
  EXPECT_EQ(SymbolCellAt(26, 24, plain), (SymbolCell{1, 1}));
  EXPECT_EQ(SymbolCellAt(415, 191, plain), (SymbolCell{15, 7}));
  EXPECT_FALSE(SymbolCellAt(416, 0, plain)) << "the grid's margin beside the cells";
  EXPECT_FALSE(SymbolCellAt(0, 192, plain));
  EXPECT_FALSE(SymbolCellAt(-1, 0, plain));
}

TEST(SymbolGrid, TheChosenCharacterGoesInAtTheCaretUnlessTheMemoIsFull) {
  SymbolPicker picker;
  picker.Select({1, 0});
  picker.Choose();
  ASSERT_TRUE(InsertionFits(3, picker.Result().size()));
  EXPECT_EQ(InsertAtCaret("abc", 1, picker.Result()).text, "a\x88" "bc");
  EXPECT_FALSE(InsertionFits(5000, picker.Result().size()));
}

}  // namespace
}  // namespace wordsnap
