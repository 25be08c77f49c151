#include "core/list/main_window_layout.h"

#include <algorithm>

namespace wordsnap {
namespace {

int AtLeastZero(int size) { return std::max(size, 0); }

}  // namespace

MainWindowLayout LayoutMainWindow(int clientWidth, int clientHeight) {
  const int w = clientWidth;
  const int h = clientHeight;
  MainWindowLayout layout;
  layout.SpeedPanel = {0, 0, AtLeastZero(w), kSpeedPanelHeight};
  layout.DataPanel = {0, kSpeedPanelHeight, AtLeastZero(w), AtLeastZero(h - kSpeedPanelHeight)};
  layout.Bevel1 = {4, 4, AtLeastZero(w - 8), AtLeastZero(h - 37)};
  layout.Label1 = {8, 8, 125, 23};
  layout.Label2 = {148, 8, AtLeastZero(w - 156), 23};
  layout.KeyList = {8, 32, AtLeastZero(w - 16), AtLeastZero(h - 68)};
  return layout;
}

}  // namespace wordsnap
