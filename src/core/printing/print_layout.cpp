#include "core/printing/print_layout.h"

#include <algorithm>
#include <cstdint>

namespace wordsnap {

PrintMetrics ComputePrintMetrics(const PrintablePage& page, const PrintFontMeasures& font) {
  PrintMetrics m;
  m.left = page.width / 17;
  m.top = page.height / 22;
  m.bottom = page.height - m.top;
  // x 1.1 in whole numbers, so that 10, 20 or 30 give exactly 11, 22 and 33.
  const std::int64_t height = std::max(font.sampleHeight, 0);
  m.lineHeight = static_cast<int>(std::max<std::int64_t>(height * 11 / 10, 1));
  m.columnOffset = std::max(font.sampleWidth, 0);
  return m;
}

std::string PrintHeader(std::string_view currentFile) {
  std::string header = "Wordsnap File: ";
  header += currentFile;
  header.resize(std::min(header.size(), kPrintHeaderMaxLength));
  return header;
}

std::string PrintPreview(std::string_view preview) {
  std::string shown(preview.substr(0, kPrintPreviewLength));
  std::replace(shown.begin(), shown.end(), '\r', ' ');
  std::replace(shown.begin(), shown.end(), '\n', ' ');
  return shown;
}

namespace {

class PlanBuilder {
 public:
  PlanBuilder(PrintPlan& plan, const PrintablePage& page) : plan_(plan), page_(page) {}

  void Draw(std::string text, std::int64_t x, std::int64_t y, std::int64_t height, int pageNo, int copy) {
    plan_.pageCount = std::max(plan_.pageCount, pageNo + 1);
    const std::int64_t bottom = std::min<std::int64_t>(y + height, page_.height);
    if (x >= page_.width || y >= bottom) return;  // nothing of it lies on the page
    plan_.ops.push_back(
        {std::move(text), static_cast<int>(x), static_cast<int>(y), page_.width, static_cast<int>(bottom), pageNo, copy});
  }

 private:
  PrintPlan& plan_;
  const PrintablePage& page_;
};

}  // namespace

PrintPlan LayOutPrintout(const PrintablePage& page, const PrintFontMeasures& font, std::string_view header,
                         const std::vector<PrintRow>& rows, int copies) {
  PrintPlan plan;
  plan.metrics = ComputePrintMetrics(page, font);
  if (page.width <= 0 || page.height <= 0 || copies < 1) return plan;

  const PrintMetrics& m = plan.metrics;
  const std::int64_t h = m.lineHeight;
  PlanBuilder builder(plan, page);
  int pageNo = -1;
  for (int copy = 1; copy <= copies; ++copy) {
    ++pageNo;
    builder.Draw(std::string(header), m.left, m.top, h, pageNo, copy);
    std::int64_t line = 2;
    bool breakPending = false;
    for (const PrintRow& row : rows) {
      if (breakPending) {
        ++pageNo;
        line = 0;
        breakPending = false;
      }
      std::int64_t y = m.top + h * line;
      if (line > 0 && y + h > page.height) {
        ++pageNo;
        line = 0;
        y = m.top;
      }
      builder.Draw(row.name, m.left, y, h, pageNo, copy);
      builder.Draw(PrintPreview(row.preview), static_cast<std::int64_t>(m.left) + m.columnOffset, y, h, pageNo, copy);
      ++line;
      if (y > m.bottom) breakPending = true;
    }
  }
  return plan;
}

}  // namespace wordsnap
