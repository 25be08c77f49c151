#include "core/printing/printer_font.h"

namespace wordsnap {

FontDialogChoice PrinterFontPreset(const PrintListFont& font) {
  FontDialogChoice choice;
  choice.Name = font.name;
  choice.Size = font.size;
  choice.Color = font.color;
  choice.Bold = font.bold;
  choice.Italic = font.italic;
  return choice;
}

void TakePrinterFont(const FontDialogChoice& choice, Settings& settings) {
  PrintListFont& font = settings.printListFont;
  font.name = choice.Name.substr(0, kSettingTextMaxLength);
  font.size = choice.Size;
  font.color = choice.Color;
  font.bold = choice.Bold;
  font.italic = choice.Italic;
}

}  // namespace wordsnap
