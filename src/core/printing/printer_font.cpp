#include "core/printing/printer_font.h"

namespace wordsnap {

FontDialogChoice PrinterFontPreset(const PrintListFont& font) {
  FontDialogChoice choice;
  choice.name = font.name;
  choice.size = font.size;
  choice.color = font.color;
  choice.bold = font.bold;
  choice.italic = font.italic;
  return choice;
}

void TakePrinterFont(const FontDialogChoice& choice, Settings& settings) {
  PrintListFont& font = settings.printListFont;
  font.name = choice.name.substr(0, kSettingTextMaxLength);
  font.size = choice.size;
  font.color = choice.color;
  font.bold = choice.bold;
  font.italic = choice.italic;
}

}  // namespace wordsnap
