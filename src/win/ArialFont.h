#pragma once
// Arial for the windows that draw their own text (the Wordsnap list and its
// headings, the symbol grid, the dialogs' headings): a character height in pixels
// (the cell is taller), in the character set of the system's ANSI code page, so a
// character of 128 to 255 shows as the same character the editor's memo and every
// other program take that code for.
#include <windows.h>

namespace wordsnap {

inline HFONT CreateArialFont(int characterHeight, int weight = FW_NORMAL, bool italic = false) {
  return CreateFontA(-characterHeight, 0, 0, 0, weight, italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
}

}  // namespace wordsnap
