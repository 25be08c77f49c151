#pragma once
// The printed Wordsnap list laid out on paper, without a printer: which text is
// drawn where, on which page of the job and for which copy. A thin printer part
// measures the font, calls LayOutPrintout and replays the operations in order.

#include <string>
#include <string_view>
#include <vector>

namespace wordsnap {

inline constexpr const char* kPrintNotice =
    "The printed Wordsnap list will contain a maximum of 50 characters of the replacement text.  "
    "If the replacement text contains a CR/LF, these will be changed to spaces in the printout.  "
    "Click OK if you wish to continue.";
inline constexpr const char* kPrintJobInProgress = "Other print job currently in progress.";
inline constexpr const char* kPrintJobTitle = "Wordsnaps 2000";
// The printer could not be reached (no printer, or no device context for it).
inline constexpr const char* kPrinterUnavailable = "Unable to use the printer.  Nothing was printed.";
// The printer refused the job or one of its pages; the job was cancelled.
inline constexpr const char* kPrintJobFailed = "The printer did not accept the print job.  It was cancelled.";

// The texts the printer part measures in the print font.
inline constexpr const char* kLineHeightSample = "ABCXYZabcxyz";
inline constexpr const char* kColumnOffsetSample = "MMMMMMMMMM";

inline constexpr std::size_t kPrintHeaderMaxLength = 255;
inline constexpr std::size_t kPrintPreviewLength = 50;

// The printable area of the page, in the printer's device units.
struct PrintablePage {
  int width = 0;   // P
  int height = 0;  // Q
};

// The print font measured on the printer, in device units.
struct PrintFontMeasures {
  int sampleHeight = 0;  // text height of kLineHeightSample
  int sampleWidth = 0;   // text width of kColumnOffsetSample
};

struct PrintMetrics {
  int left = 0;          // L = P / 17
  int top = 0;           // T = Q / 22
  int bottom = 0;        // B = Q - T, the lowest line position
  int lineHeight = 0;    // h = sample height x 1.1, truncated; at least 1
  int columnOffset = 0;  // c = sample width, where the preview column starts after L
};

PrintMetrics ComputePrintMetrics(const PrintablePage& page, const PrintFontMeasures& font);

// "Wordsnap File: " and the open data file's full path, at most 255 characters.
std::string PrintHeader(std::string_view currentFile);

// The first 50 characters of a preview with every CR and every LF shown as a space.
std::string PrintPreview(std::string_view preview);

// One list row as printed: the node's name and preview.
struct PrintRow {
  std::string name;
  std::string preview;
};

// One text drawn at (X, Y), its top-left corner, clipped to the rectangle from
// (X, Y) to (ClipRight, ClipBottom), which never passes the page.
struct PrintTextOp {
  std::string text;
  int x = 0;
  int y = 0;
  int clipRight = 0;
  int clipBottom = 0;
  int page = 0;  // page of the job, from 0; operations come in page order
  int copy = 1;  // from 1
};

struct PrintPlan {
  PrintMetrics metrics;
  std::vector<PrintTextOp> ops;
  int pageCount = 0;  // 0: nothing to print, start no job
};

// Each copy starts a page with the header on line 0 and its rows from line 2;
// line n is at y = T + h x n. After a row whose y lies below B, the next row
// starts a new page at line 0, without a header. A page is started only when
// something is drawn on it, so no blank page follows the last row of a copy.
// A row that would run off the foot of the page goes to the next page; on a
// page too small for even one row, each row gets a page of its own, clipped.
// Nothing is printed for fewer than one copy or an empty page.
PrintPlan LayOutPrintout(const PrintablePage& page, const PrintFontMeasures& font, std::string_view header,
                         const std::vector<PrintRow>& rows, int copies);

}  // namespace wordsnap
