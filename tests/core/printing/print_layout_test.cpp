// The printed list's page layout: margins, lines, page breaks and copies.
#include "core/printing/print_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wordsnap {
namespace {

// A letter page at 600 dpi with a 10-point font: L 282, T 300, B 6300, h 105, c 600.
constexpr PrintablePage kLetter{4800, 6600};
constexpr PrintFontMeasures kTenPoint{96, 600};
constexpr int kRowsOnFirstPage = 57;  // lines 2 to 58: line 58 (y 6390) is the first below B

std::vector<PrintRow> Rows(int count) {
  std::vector<PrintRow> rows;
  for (int i = 0; i < count; ++i) rows.push_back({"n" + std::to_string(i), "text " + std::to_string(i)});
  return rows;
}

std::vector<PrintTextOp> OpsOn(const PrintPlan& plan, int page) {
  std::vector<PrintTextOp> ops;
  for (const PrintTextOp& op : plan.ops)
    if (op.page == page) ops.push_back(op);
  return ops;
}

TEST(PrintMetrics, FollowFromThePageAndTheFont) {
  struct Case {
    PrintablePage page;
    PrintFontMeasures font;
    PrintMetrics want;
  };
  const Case cases[] = {
      {kLetter, kTenPoint, {282, 300, 6300, 105, 600}},
      {{1700, 2200}, {10, 77}, {100, 100, 2100, 11, 77}},
      {{1700, 2200}, {20, 77}, {100, 100, 2100, 22, 77}},
      {{1700, 2200}, {30, 77}, {100, 100, 2100, 33, 77}},
      // A font measured as nothing still moves down a unit a line.
      {{16, 21}, {0, 0}, {0, 0, 21, 1, 0}},
  };
  for (const Case& c : cases) {
    const PrintMetrics m = ComputePrintMetrics(c.page, c.font);
    EXPECT_EQ(m.left, c.want.left);
    EXPECT_EQ(m.top, c.want.top);
    EXPECT_EQ(m.bottom, c.want.bottom);
    EXPECT_EQ(m.lineHeight, c.want.lineHeight) << c.font.sampleHeight;
    EXPECT_EQ(m.columnOffset, c.want.columnOffset);
  }
}

TEST(PrintTexts, HeaderAndPreviewAsPrinted) {
  EXPECT_EQ(PrintHeader("C:\\WS\\KEY.WSN"), "Wordsnap File: C:\\WS\\KEY.WSN");
  EXPECT_EQ(PrintHeader(std::string(300, 'p')).size(), 255u);
  EXPECT_EQ(PrintPreview("Dear Sir,\r\nYours"), "Dear Sir,  Yours");
  EXPECT_EQ(PrintPreview("a\nb\rc"), "a b c");
  EXPECT_EQ(PrintPreview(std::string(80, 'x')), std::string(50, 'x'));
}

TEST(PrintLayout, OneCopyOverTwoPagesContinuesAtTheTopMarginWithoutHeader) {
  const PrintPlan plan = LayOutPrintout(kLetter, kTenPoint, "Wordsnap File: C:\\KEY.WSN", Rows(60), 1);
  EXPECT_EQ(plan.pageCount, 2);

  const std::vector<PrintTextOp> first = OpsOn(plan, 0);
  ASSERT_EQ(first.size(), 1u + 2u * kRowsOnFirstPage);
  EXPECT_EQ(first[0].text, "Wordsnap File: C:\\KEY.WSN");
  EXPECT_EQ(first[0].x, 282);
  EXPECT_EQ(first[0].y, 300);
  // The first row on line 2, its preview in the second column.
  EXPECT_EQ(first[1].text, "n0");
  EXPECT_EQ(first[1].x, 282);
  EXPECT_EQ(first[1].y, 300 + 2 * 105);
  EXPECT_EQ(first[2].text, "text 0");
  EXPECT_EQ(first[2].x, 282 + 600);
  EXPECT_EQ(first[2].y, first[1].y);
  // The last row of the page is the first one below B.
  EXPECT_EQ(first.back().y, 6390);

  const std::vector<PrintTextOp> second = OpsOn(plan, 1);
  ASSERT_EQ(second.size(), 2u * (60 - kRowsOnFirstPage));
  EXPECT_EQ(second[0].text, "n" + std::to_string(kRowsOnFirstPage));
  EXPECT_EQ(second[0].y, 300);
  EXPECT_EQ(second[2].y, 300 + 105);
  for (const PrintTextOp& op : plan.ops) EXPECT_EQ(op.copy, 1);
}

TEST(PrintLayout, EachCopyStartsANewPageWithTheHeader) {
  const PrintPlan plan = LayOutPrintout(kLetter, kTenPoint, "Wordsnap File: K", Rows(3), 2);
  ASSERT_EQ(plan.pageCount, 2);
  for (int page = 0; page < 2; ++page) {
    const std::vector<PrintTextOp> ops = OpsOn(plan, page);
    ASSERT_EQ(ops.size(), 7u);
    EXPECT_EQ(ops[0].text, "Wordsnap File: K");
    EXPECT_EQ(ops[0].y, 300);
    EXPECT_EQ(ops[1].y, 510);
    for (const PrintTextOp& op : ops) EXPECT_EQ(op.copy, page + 1);
  }
}

TEST(PrintLayout, NoBlankPageWhenTheLastRowEndsAPage) {
  // The last row passes B: the next copy still starts on the very next page.
  const PrintPlan plan = LayOutPrintout(kLetter, kTenPoint, "H", Rows(kRowsOnFirstPage), 2);
  EXPECT_EQ(plan.pageCount, 2);
  EXPECT_EQ(OpsOn(plan, 1).front().text, "H");
  EXPECT_EQ(OpsOn(plan, 1).front().copy, 2);
}

TEST(PrintLayout, AnEmptyListPrintsTheHeaderAloneAndNoCopiesPrintNothing) {
  const PrintPlan header = LayOutPrintout(kLetter, kTenPoint, "H", {}, 1);
  EXPECT_EQ(header.pageCount, 1);
  ASSERT_EQ(header.ops.size(), 1u);
  EXPECT_EQ(header.ops[0].text, "H");

  for (int copies : {0, -3}) {
    const PrintPlan none = LayOutPrintout(kLetter, kTenPoint, "H", Rows(5), copies);
    EXPECT_EQ(none.pageCount, 0);
    EXPECT_TRUE(none.ops.empty());
  }
  EXPECT_EQ(LayOutPrintout({0, 0}, kTenPoint, "H", Rows(5), 1).pageCount, 0);
}

TEST(PrintLayout, OversizedFontsAndTinyPagesStayOnThePageAndEnd) {
  struct Case {
    const char* what;
    PrintablePage page;
    PrintFontMeasures font;
  };
  const Case cases[] = {
      {"font taller than half the page", {170, 220}, {150, 2000}},
      {"font taller than the page", {170, 220}, {1000, 50}},
      {"preview column past the page's width", kLetter, {96, 9000}},
      {"large font on a letter page", kLetter, {800, 4000}},
  };
  for (const Case& c : cases) {
    const PrintPlan plan = LayOutPrintout(c.page, c.font, std::string(255, 'h'), Rows(40), 2);
    EXPECT_GE(plan.pageCount, 2) << c.what;
    EXPECT_LE(plan.pageCount, 2 * 41) << c.what;
    int lastPage = 0;
    for (const PrintTextOp& op : plan.ops) {
      EXPECT_GE(op.x, 0) << c.what;
      EXPECT_LT(op.x, op.clipRight) << c.what;
      EXPECT_LE(op.clipRight, c.page.width) << c.what;
      EXPECT_LT(op.y, op.clipBottom) << c.what;
      EXPECT_LE(op.clipBottom, c.page.height) << c.what;
      EXPECT_GE(op.page, lastPage) << c.what;
      lastPage = op.page;
    }
    // Every name is drawn, once per copy.
    int names = 0;
    for (const PrintTextOp& op : plan.ops) names += op.text.rfind("n", 0) == 0 ? 1 : 0;
    EXPECT_EQ(names, 80) << c.what;
  }
}

}  // namespace
}  // namespace wordsnap
