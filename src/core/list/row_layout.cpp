#include "core/list/row_layout.h"

#include "core/dpi/dpi_scale.h"

namespace wordsnap {

RowLayout LayoutRow(int left, bool useCounterColumn, int counterColumnWidth, int dpi) {
  const int w = useCounterColumn ? ScalePixels(counterColumnWidth, dpi) : 0;
  const int margin = ScalePixels(kRowMargin, dpi);
  const int x2 = w + ScalePixels(kNameColumnWidth, dpi);
  RowLayout layout;
  layout.counterColumn = useCounterColumn;
  layout.counterRight = w;
  layout.counterEdgeX = left + w;
  layout.counterTextX = left + margin;
  layout.nameX = left + margin + w;
  layout.replacementEdgeX = left + x2;
  layout.previewX = left + x2 + margin;
  return layout;
}

int ListRowHeight(int dpi) { return ScalePixels(kListRowHeight, dpi); }

int ListFontHeight(int dpi) { return ScalePixels(kListFontHeight, dpi); }

std::string CounterText(int rowIndex) { return std::to_string(rowIndex + 1); }

RowStyle StyleOfRow(bool active, bool selected) {
  if (!active) return {true, kColourSilver};
  return {false, selected ? kColourWhite : kColourBlack};
}

}  // namespace wordsnap
