#include "core/symbols/symbol_grid.h"

#include <algorithm>

namespace wordsnap {

namespace {

bool InGrid(SymbolCell cell) {
  return cell.Column >= 0 && cell.Column < kSymbolColumns && cell.Row >= 0 && cell.Row < kSymbolRows;
}

}  // namespace

unsigned char SymbolCodeAt(SymbolCell cell) {
  return static_cast<unsigned char>(kFirstSymbolCode + kSymbolRows * cell.Column + cell.Row);
}

std::optional<SymbolCell> CellOfSymbol(unsigned char code) {
  if (code < kFirstSymbolCode) return std::nullopt;
  const int index = code - kFirstSymbolCode;
  return SymbolCell{index / kSymbolRows, index % kSymbolRows};
}

SymbolGridMetrics SymbolGridMetricsAt(double scale) {
  SymbolGridMetrics m;
  m.ColumnWidth = static_cast<int>(26 * scale);
  m.RowHeight = static_cast<int>(24 * scale);
  m.GridWidth = kSymbolColumns * m.ColumnWidth + 20;
  m.GridHeight = kSymbolRows * m.RowHeight + 12;
  return m;
}

std::optional<SymbolCell> SymbolCellAt(int x, int y, const SymbolGridMetrics& metrics) {
  if (x < 0 || y < 0 || metrics.ColumnWidth <= 0 || metrics.RowHeight <= 0) return std::nullopt;
  const SymbolCell cell{x / metrics.ColumnWidth, y / metrics.RowHeight};
  if (!InGrid(cell)) return std::nullopt;
  return cell;
}

void SymbolPicker::Select(SymbolCell cell) {
  if (InGrid(cell)) selected_ = cell;
}

void SymbolPicker::Move(GridKey key) {
  SymbolCell& s = selected_;
  switch (key) {
    case GridKey::Left: s.Column = std::max(s.Column - 1, 0); break;
    case GridKey::Right: s.Column = std::min(s.Column + 1, kSymbolColumns - 1); break;
    case GridKey::Up: s.Row = std::max(s.Row - 1, 0); break;
    case GridKey::Down: s.Row = std::min(s.Row + 1, kSymbolRows - 1); break;
    case GridKey::Home: s.Column = 0; break;
    case GridKey::End: s.Column = kSymbolColumns - 1; break;
    case GridKey::PageUp: s.Row = 0; break;
    case GridKey::PageDown: s.Row = kSymbolRows - 1; break;
    case GridKey::CtrlHome: s = {0, 0}; break;
    case GridKey::CtrlEnd: s = {kSymbolColumns - 1, kSymbolRows - 1}; break;
  }
}

void SymbolPicker::Choose() { result_ = std::string(1, static_cast<char>(SymbolCodeAt(selected_))); }

}  // namespace wordsnap
