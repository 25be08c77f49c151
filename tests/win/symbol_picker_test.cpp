// The "Insert Symbol" picker driven in this process through its grid and buttons:
// the character each way of choosing hands back, the keys that move the one
// selected cell, how the cells are drawn, and the grid's size at a scale.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SymbolPicker.h"
#include "SymbolPicker_ids.h"
#include "core/symbols/symbol_grid.h"
#include "dialog_test_base.h"

namespace wordsnap::win_test {
namespace {

constexpr char kCaption[] = "Insert Symbol";

class SymbolPickerTest : public DialogTestBase {
 protected:
  std::string Run(double scale = 1.0) {
    const std::string result = RunSpecial(nullptr, showing_, scale);
    EXPECT_FALSE(showing_);
    return result;
  }

  static HWND Grid(HWND dialog) { return GetDlgItem(dialog, IDC_SPECIAL_GRID); }

  static void Key(HWND dialog, WPARAM key) { SendMessageA(Grid(dialog), WM_KEYDOWN, key, 0); }

  // Ctrl held, as the grid's thread sees it, while the key goes in.
  static void ControlKey(HWND dialog, WPARAM key) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    const BYTE before = state[VK_CONTROL];
    state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
    Key(dialog, key);
    state[VK_CONTROL] = before;
    SetKeyboardState(state);
  }

  // A mouse message at the middle of a cell of the grid at scale 1.
  static void AtCell(HWND dialog, UINT message, int column, int row) {
    const SymbolGridMetrics m = SymbolGridMetricsAt(1.0);
    const int x = column * m.columnWidth + m.columnWidth / 2;
    const int y = row * m.rowHeight + m.rowHeight / 2;
    SendMessageA(Grid(dialog), message, message == WM_LBUTTONDBLCLK || message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                 MAKELPARAM(x, y));
  }

  bool showing_ = false;
};

TEST_F(SymbolPickerTest, OkWithoutMovingChoosesTheFirstCodeAndTheGridHasTheFocus) {
  OnDialog(kCaption, [this](HWND dialog) {
    EXPECT_TRUE(showing_);
    EXPECT_EQ(GetFocus(), Grid(dialog));
    EXPECT_EQ(ControlText(dialog, IDOK), "&Ok");
    EXPECT_EQ(ControlText(dialog, IDCANCEL), "&Cancel");
    PressButton(dialog, IDOK);
  });
  EXPECT_EQ(Run(), std::string(1, '\x80'));
}

TEST_F(SymbolPickerTest, ArrowAndPageKeysMoveTheSelectionAndStopAtTheEdges) {
  struct Case {
    std::vector<WPARAM> keys;
    bool controlLast;  // the last key with Ctrl held
    unsigned char code;
  };
  const Case cases[] = {
      {{VK_RIGHT}, false, 136},
      {{VK_DOWN, VK_DOWN, VK_RIGHT}, false, 138},
      {{VK_LEFT, VK_UP}, false, 128},                       // already in the corner
      {{VK_END, VK_NEXT}, false, 255},                      // last column, then its last row
      {{VK_END, VK_NEXT, VK_RIGHT, VK_DOWN}, false, 255},   // and no further
      {{VK_NEXT, VK_END, VK_HOME}, false, 135},             // back to the first column, row kept
      {{VK_DOWN, VK_END}, true, 255},                       // Ctrl+End: the last cell
      {{VK_END, VK_DOWN, VK_HOME}, true, 128},              // Ctrl+Home: the first cell
  };
  for (const Case& c : cases) {
    OnDialog(kCaption, [&c](HWND dialog) {
      for (std::size_t i = 0; i < c.keys.size(); ++i) {
        if (c.controlLast && i + 1 == c.keys.size()) {
          ControlKey(dialog, c.keys[i]);
        } else {
          Key(dialog, c.keys[i]);
        }
      }
      PressButton(dialog, IDOK);
    });
    EXPECT_EQ(Run(), std::string(1, static_cast<char>(c.code))) << static_cast<int>(c.code);
  }
}

TEST_F(SymbolPickerTest, ADoubleClickChoosesTheCellUnderIt) {
  struct Case {
    int column;
    int row;
    unsigned char code;
  };
  for (const Case c : {Case{1, 0, 136}, Case{15, 7, 255}, Case{13, 1, 233}}) {
    OnDialog(kCaption, [c](HWND dialog) {
      AtCell(dialog, WM_LBUTTONDOWN, c.column, c.row);
      AtCell(dialog, WM_LBUTTONUP, c.column, c.row);
      AtCell(dialog, WM_LBUTTONDBLCLK, c.column, c.row);
    });
    EXPECT_EQ(Run(), std::string(1, static_cast<char>(c.code))) << c.column << "," << c.row;
  }
}

TEST_F(SymbolPickerTest, CancelEscAndTheCloseButtonChooseNothing) {
  OnDialog(kCaption, [](HWND dialog) {
    Key(dialog, VK_RIGHT);
    PressButton(dialog, IDCANCEL);
  });
  EXPECT_EQ(Run(), "");
  OnDialog(kCaption, [](HWND dialog) { SendMessageA(dialog, WM_CLOSE, 0, 0); });
  EXPECT_EQ(Run(), "");
  // A click selects without choosing; Esc then closes with nothing.
  OnDialog(kCaption, [](HWND dialog) {
    AtCell(dialog, WM_LBUTTONDOWN, 4, 4);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
  });
  EXPECT_EQ(Run(), "");
}

TEST_F(SymbolPickerTest, TheSelectedCellIsBlueAndTheOthersWhite) {
  OnDialog(kCaption, [](HWND dialog) {
    Key(dialog, VK_RIGHT);
    Key(dialog, VK_DOWN);  // column 1, row 1
    HWND grid = Grid(dialog);
    UpdateWindow(grid);
    const SymbolGridMetrics m = SymbolGridMetricsAt(1.0);
    // Inside each cell's lower right corner, clear of its character and its line.
    auto corner = [&](int column, int row) {
      HDC dc = GetDC(grid);
      const COLORREF colour = GetPixel(dc, (column + 1) * m.columnWidth - 3, (row + 1) * m.rowHeight - 3);
      ReleaseDC(grid, dc);
      return colour;
    };
    EXPECT_EQ(corner(1, 1), RGB(0, 0, 255));
    for (const auto& [column, row] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{15, 7}})
      EXPECT_EQ(corner(column, row), RGB(255, 255, 255)) << column << "," << row;
    PressButton(dialog, IDCANCEL);
  });
  Run();
}

TEST_F(SymbolPickerTest, TheGridTakesItsSizeFromTheDialogScale) {
  for (const double scale : {1.0, 1.5}) {
    OnDialog(kCaption, [scale](HWND dialog) {
      const SymbolGridMetrics m = SymbolGridMetricsAt(scale);
      RECT grid{};
      GetWindowRect(Grid(dialog), &grid);
      EXPECT_EQ(grid.right - grid.left, m.gridWidth) << scale;
      EXPECT_EQ(grid.bottom - grid.top, m.gridHeight) << scale;
      // The buttons lie inside the form, below the grid.
      RECT client{}, ok{};
      GetClientRect(dialog, &client);
      GetWindowRect(GetDlgItem(dialog, IDOK), &ok);
      MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&ok), 2);
      MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&grid), 2);
      EXPECT_GE(ok.top, grid.bottom) << scale;
      EXPECT_LE(ok.bottom, client.bottom) << scale;
      // A click in the middle of column 2, row 3 at this scale selects code 128 + 16 + 3.
      const int x = 2 * m.columnWidth + m.columnWidth / 2;
      const int y = 3 * m.rowHeight + m.rowHeight / 2;
      SendMessageA(Grid(dialog), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
      SendMessageA(Grid(dialog), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
      PressButton(dialog, IDOK);
    });
    EXPECT_EQ(Run(scale), std::string(1, static_cast<char>(147))) << scale;
  }
}

}  // namespace
}  // namespace wordsnap::win_test
