#include "core/list/row_layout.h"

namespace wordsnap {

RowLayout LayoutRow(int left, bool useCounterColumn, int counterColumnWidth) {
  const int w = useCounterColumn ? counterColumnWidth : 0;
  const int x2 = w + kNameColumnWidth;
  RowLayout layout;
  layout.counterColumn = useCounterColumn;
  layout.counterRight = w;
  layout.counterEdgeX = left + w;
  layout.counterTextX = left + kRowMargin;
  layout.nameX = left + kRowMargin + w;
  layout.replacementEdgeX = left + x2;
  layout.previewX = left + x2 + kRowMargin;
  return layout;
}

std::string CounterText(int rowIndex) { return std::to_string(rowIndex + 1); }

RowStyle StyleOfRow(bool active, bool selected) {
  if (!active) return {true, kColourSilver};
  return {false, selected ? kColourWhite : kColourBlack};
}

}  // namespace wordsnap
