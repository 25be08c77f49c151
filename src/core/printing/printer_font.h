#pragma once
// "Printer Font": the font dialog opens on the print font, and its choice becomes
// the print font without underline or strike-out, which the printout never uses.

#include <cstdint>
#include <string>

#include "core/settings/settings.h"

namespace wordsnap {

// What the font dialog shows and returns, effects included.
struct FontDialogChoice {
  std::string name;
  int size = 0;             // points
  std::int32_t color = 0;   // 0x00BBGGRR
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

// The dialog's preset: the print font, neither underlined nor struck out.
FontDialogChoice PrinterFontPreset(const PrintListFont& font);

// OK: the choice becomes the print font (name, size, colour, bold, italic); the
// caller then saves the settings. The name is cut to the settings' text limit.
void TakePrinterFont(const FontDialogChoice& choice, Settings& settings);

}  // namespace wordsnap
