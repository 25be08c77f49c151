// "Printer Font": the dialog's choice without underline and strike-out.
#include "core/printing/printer_font.h"

#include <gtest/gtest.h>

namespace wordsnap {
namespace {

TEST(PrinterFont, UnderlineAndStrikeOutAreDroppedBoldAndItalicStay) {
  Settings settings;
  const FontDialogChoice preset = PrinterFontPreset(settings.printListFont);
  EXPECT_EQ(preset.Name, "Arial");
  EXPECT_EQ(preset.Size, 10);
  EXPECT_FALSE(preset.Underline || preset.StrikeOut);

  TakePrinterFont({"Courier New", 14, 0x0000FF, true, true, true, true}, settings);
  const PrintListFont want{"Courier New", 14, 0x0000FF, true, true};
  EXPECT_EQ(settings.printListFont, want);

  const FontDialogChoice again = PrinterFontPreset(settings.printListFont);
  EXPECT_TRUE(again.Bold && again.Italic);
  EXPECT_FALSE(again.Underline || again.StrikeOut) << "the underline does not come back";
}

}  // namespace
}  // namespace wordsnap
