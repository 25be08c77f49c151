#include "core/symbols/symbol_grid.h"

#include <algorithm>

namespace wordsnap {

namespace {

bool InGrid(SymbolCell cell) {
  return cell.column >= 0 && cell.column < kSymbolColumns && cell.row >= 0 && cell.row < kSymbolRows;
}

}  // namespace

unsigned char SymbolCodeAt(SymbolCell cell) {
  return static_cast<unsigned char>(kFirstSymbolCode + kSymbolRows * cell.column + cell.row);
}

std::optional<SymbolCell> CellOfSymbol(unsigned char code) {
  if (code < kFirstSymbolCode) return std::nullopt;
  const int index = code - kFirstSymbolCode;
  return SymbolCell{index / kSymbolRows, index % kSymbolRows};
}

SymbolGridMetrics SymbolGridMetricsAt(double scale) {
  SymbolGridMetrics m;
  m.columnWidth = static_cast<int>(26 * scale);
  m.rowHeight = static_cast<int>(24 * scale);
  m.gridWidth = kSymbolColumns * m.columnWidth + 20;
  m.gridHeight = kSymbolRows * m.rowHeight + 12;
  return m;
}

std::optional<SymbolCell> SymbolCellAt(int x, int y, const SymbolGridMetrics& metrics) {
  if (x < 0 || y < 0 || metrics.columnWidth <= 0 || metrics.rowHeight <= 0) return std::nullopt;
  const SymbolCell cell{x / metrics.columnWidth, y / metrics.rowHeight};
  if (!InGrid(cell)) return std::nullopt;
  return cell;
}

void SymbolPicker::Select(SymbolCell cell) {
  if (InGrid(cell)) selected_ = cell;
}

void SymbolPicker::Move(GridKey key) {
  SymbolCell& s = selected_;
  switch (key) {
    case GridKey::Left: s.column = std::max(s.column - 1, 0); break;
    case GridKey::Right: s.column = std::min(s.column + 1, kSymbolColumns - 1); break;
    case GridKey::Up: s.row = std::max(s.row - 1, 0); break;
    case GridKey::Down: s.row = std::min(s.row + 1, kSymbolRows - 1); break;
    case GridKey::Home: s.column = 0; break;
    case GridKey::End: s.column = kSymbolColumns - 1; break;
    case GridKey::PageUp: s.row = 0; break;
    case GridKey::PageDown: s.row = kSymbolRows - 1; break;
    case GridKey::CtrlHome: s = {0, 0}; break;
    case GridKey::CtrlEnd: s = {kSymbolColumns - 1, kSymbolRows - 1}; break;
  }
}

void SymbolPicker::Choose() { result_ = std::string(1, static_cast<char>(SymbolCodeAt(selected_))); }

}  // namespace wordsnap
