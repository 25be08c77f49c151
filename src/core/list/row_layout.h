#pragma once
// Where the parts of one row of the Wordsnap list are drawn, and in which style.
// Colours are 0x00BBGGRR values.

#include <cstdint>
#include <string>

namespace wordsnap {

// Sizes at 96 DPI; the list scales them to the screen's DPI.
inline constexpr int kListRowHeight = 20;
inline constexpr int kListFontHeight = 15;
inline constexpr int kRowMargin = 2;
inline constexpr int kNameColumnWidth = 123;  // from the counter column's edge to the replacement column

inline constexpr std::uint32_t kColourBlack = 0;
inline constexpr std::uint32_t kColourWhite = 16777215;
inline constexpr std::uint32_t kColourSilver = 12632256;
inline constexpr std::uint32_t kColourGridGrey = 8421504;

struct RowLayout {
  bool counterColumn = false;
  int counterRight = 0;      // the counter column fills from the row's left edge to here
  int counterEdgeX = 0;      // grid line after the counter column
  int counterTextX = 0;      // the row number
  int nameX = 0;             // the Wordsnap's name
  int replacementEdgeX = 0;  // grid line between the name and the replacement column
  int previewX = 0;          // the first characters of the replacement text
};

// The layout of a row whose rectangle starts at `left`, on a screen at dpi.
// counterColumnWidth is the store's width for its record count (at 96 DPI); it
// counts only while the column is shown.
RowLayout LayoutRow(int left, bool useCounterColumn, int counterColumnWidth, int dpi);

// The height of every row, and of the list's font, at dpi.
int ListRowHeight(int dpi);
int ListFontHeight(int dpi);

// The counter column shows the row's place in the list, from 1.
std::string CounterText(int rowIndex);

struct RowStyle {
  bool italic = false;
  std::uint32_t textColour = kColourBlack;
};

// Active rows are plain, white when selected and black otherwise; inactive rows
// are silver italics whether selected or not.
RowStyle StyleOfRow(bool active, bool selected);

}  // namespace wordsnap
