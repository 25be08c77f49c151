#include "core/list/main_window_layout.h"

#include <algorithm>

#include "core/dpi/dpi_scale.h"

namespace wordsnap {
namespace {

PanelRect FromEdges(int left, int top, int right, int bottom) {
  return {left, top, std::max(right - left, 0), std::max(bottom - top, 0)};
}

}  // namespace

MainWindowLayout LayoutMainWindow(int clientWidth, int clientHeight, int dpi) {
  const auto s = [dpi](int pixels) { return ScalePixels(pixels, dpi); };
  const int w = clientWidth;
  const int panelTop = s(kSpeedPanelHeight);
  const int panelHeight = clientHeight - panelTop;
  MainWindowLayout layout;
  layout.SpeedPanel = FromEdges(0, 0, w, panelTop);
  layout.DataPanel = FromEdges(0, panelTop, w, clientHeight);
  // Inside the data panel, at 96 DPI: the frame 4 pixels in (2 at the bottom), the
  // headings and the list 8 pixels in, the list 5 pixels above the panel's bottom.
  layout.Bevel1 = FromEdges(s(4), s(4), w - s(4), panelHeight - s(2));
  layout.Label1 = FromEdges(s(8), s(8), s(133), s(31));
  layout.Label2 = FromEdges(s(148), s(8), w - s(8), s(31));
  layout.KeyList = FromEdges(s(8), s(32), w - s(8), panelHeight - s(5));
  return layout;
}

}  // namespace wordsnap
