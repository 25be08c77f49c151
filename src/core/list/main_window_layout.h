#pragma once
// Where the main window's parts go for a client area of a given size.

namespace wordsnap {

struct PanelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Sizes at 96 DPI; the layout scales them to the screen's DPI.
inline constexpr int kSpeedPanelHeight = 31;
inline constexpr int kHeadingFontHeight = 18;

struct MainWindowLayout {
  PanelRect SpeedPanel;  // in the client area
  PanelRect DataPanel;   // in the client area: everything below the speed panel
  // The rest lie inside the data panel.
  PanelRect Bevel1;
  PanelRect Label1;
  PanelRect Label2;
  PanelRect KeyList;
};

// Sizes follow the client area; positions stay. Every distance is scaled to dpi, by
// its edges, so that parts that touch at 96 DPI still touch. No size goes below zero.
MainWindowLayout LayoutMainWindow(int clientWidth, int clientHeight, int dpi);

}  // namespace wordsnap
