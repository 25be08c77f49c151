// "Printer Font": the dialog's choice without underline and strike-out.
#include "core/printing/printer_font.h"

#include <gtest/gtest.h>

namespace wordsnap {
namespace {

TEST(PrinterFont, UnderlineAndStrikeOutAreDroppedBoldAndItalicStay) {
  Settings settings;
  const FontDialogChoice preset = PrinterFontPreset(settings.printListFont);
  EXPECT_EQ(preset.name, "Arial");
  EXPECT_EQ(preset.size, 10);
  EXPECT_FALSE(preset.underline || preset.strikeOut);

  TakePrinterFont({"Courier New", 14, 0x0000FF, true, true, true, true}, settings);
  const PrintListFont want{"Courier New", 14, 0x0000FF, true, true};
  EXPECT_EQ(settings.printListFont, want);

  const FontDialogChoice again = PrinterFontPreset(settings.printListFont);
  EXPECT_TRUE(again.bold && again.italic);
  EXPECT_FALSE(again.underline || again.strikeOut) << "the underline does not come back";
}

}  // namespace
}  // namespace wordsnap
