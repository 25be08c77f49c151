#include "core/printing/print_layout.h"

#include <algorithm>
#include <cstdint>

namespace wordsnap {

PrintMetrics ComputePrintMetrics(const PrintablePage& page, const PrintFontMeasures& font) {
  PrintMetrics m;
  m.Left = page.Width / 17;
  m.Top = page.Height / 22;
  m.Bottom = page.Height - m.Top;
  // x 1.1 in whole numbers, so that 10, 20 or 30 give exactly 11, 22 and 33.
  const std::int64_t height = std::max(font.SampleHeight, 0);
  m.LineHeight = static_cast<int>(std::max<std::int64_t>(height * 11 / 10, 1));
  m.ColumnOffset = std::max(font.SampleWidth, 0);
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
    plan_.PageCount = std::max(plan_.PageCount, pageNo + 1);
    const std::int64_t bottom = std::min<std::int64_t>(y + height, page_.Height);
    if (x >= page_.Width || y >= bottom) return;  // nothing of it lies on the page
    plan_.Ops.push_back(
        {std::move(text), static_cast<int>(x), static_cast<int>(y), page_.Width, static_cast<int>(bottom), pageNo, copy});
  }

 private:
  PrintPlan& plan_;
  const PrintablePage& page_;
};

}  // namespace

PrintPlan LayOutPrintout(const PrintablePage& page, const PrintFontMeasures& font, std::string_view header,
                         const std::vector<PrintRow>& rows, int copies) {
  PrintPlan plan;
  plan.Metrics = ComputePrintMetrics(page, font);
  if (page.Width <= 0 || page.Height <= 0 || copies < 1) return plan;

  const PrintMetrics& m = plan.Metrics;
  const std::int64_t h = m.LineHeight;
  PlanBuilder builder(plan, page);
  int pageNo = -1;
  for (int copy = 1; copy <= copies; ++copy) {
    ++pageNo;
    builder.Draw(std::string(header), m.Left, m.Top, h, pageNo, copy);
    std::int64_t line = 2;
    bool breakPending = false;
    for (const PrintRow& row : rows) {
      if (breakPending) {
        ++pageNo;
        line = 0;
        breakPending = false;
      }
      std::int64_t y = m.Top + h * line;
      if (line > 0 && y + h > page.Height) {
        ++pageNo;
        line = 0;
        y = m.Top;
      }
      builder.Draw(row.Name, m.Left, y, h, pageNo, copy);
      builder.Draw(PrintPreview(row.Preview), static_cast<std::int64_t>(m.Left) + m.ColumnOffset, y, h, pageNo, copy);
      ++line;
      if (y > m.Bottom) breakPending = true;
    }
  }
  return plan;
}

}  // namespace wordsnap
