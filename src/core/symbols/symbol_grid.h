#pragma once
// The "Insert Symbol" grid without its window: the characters 128 to 255 in 16
// columns of 8, filled column by column; one selected cell moved by the keys a
// grid answers to; its sizes at a dialog scale; and the one-character result.
// The editor inserts a non-empty result with CheckSize (one character) and SetIt.

#include <cstdint>
#include <optional>
#include <string>

namespace wordsnap {

inline constexpr int kSymbolColumns = 16;
inline constexpr int kSymbolRows = 8;
inline constexpr int kFirstSymbolCode = 128;

// Cell colours, 0x00BBGGRR: the selected cell blue with white text, others white with black.
inline constexpr std::uint32_t kSymbolSelectedBackground = 0x00FF0000;
inline constexpr std::uint32_t kSymbolSelectedText = 0x00FFFFFF;
inline constexpr std::uint32_t kSymbolBackground = 0x00FFFFFF;
inline constexpr std::uint32_t kSymbolText = 0x00000000;
// Where the character is drawn inside its cell.
inline constexpr int kSymbolTextDx = 4;
inline constexpr int kSymbolTextDy = 1;

struct SymbolCell {
  int column = 0;
  int row = 0;
  bool operator==(const SymbolCell&) const = default;
};

// 128 + 8 x column + row.
unsigned char SymbolCodeAt(SymbolCell cell);
// The cell holding a code from 128 to 255; nothing for other codes.
std::optional<SymbolCell> CellOfSymbol(unsigned char code);

struct SymbolGridMetrics {
  int columnWidth = 26;
  int rowHeight = 24;
  int gridWidth = 16 * 26 + 20;
  int gridHeight = 8 * 24 + 12;
};

// Column width 26 and row height 24 at the dialog scale, each truncated; the
// grid 20 wider and 12 taller than its cells.
SymbolGridMetrics SymbolGridMetricsAt(double scale);

// The cell under a point of the grid's client area, or nothing outside the cells.
std::optional<SymbolCell> SymbolCellAt(int x, int y, const SymbolGridMetrics& metrics);

enum class GridKey { Left, Right, Up, Down, Home, End, PageUp, PageDown, CtrlHome, CtrlEnd };

class SymbolPicker {
 public:
  SymbolCell Selected() const { return selected_; }
  // A click: selects the cell; cells outside the grid are ignored.
  void Select(SymbolCell cell);
  // Moves the selection as a grid does, stopping at its edges: arrows by one
  // cell, Home and End to the ends of the row, Page Up and Page Down to the top
  // and bottom of the column, Ctrl+Home and Ctrl+End to the first and last cells.
  void Move(GridKey key);

  // OK or a double click: the selected cell's character becomes the result.
  void Choose();
  // The text the editor inserts: empty (Cancel, the close button) or one character.
  const std::string& Result() const { return result_; }

 private:
  SymbolCell selected_;
  std::string result_;
};

}  // namespace wordsnap
