// The main window's list output and printing: the list written to a text file,
// the printout, the print font and the printer chosen for the next printout.
#include <windows.h>
#include <commdlg.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "FileDialogs.h"
#include "MainWin.h"
#include "SettingsSave.h"
#include "MessageBoxes.h"
#include "core/list/list_commands.h"
#include "core/list_output/list_output.h"
#include "core/list_output/list_output_rows.h"
#include "core/printing/print_layout.h"
#include "core/printing/printer_font.h"
#include "core/store/output_target.h"
#include "core/settings/settings_file.h"

namespace wordsnap {
namespace {

// Points converted to a font height in the device's pixels (negative: character height).
int FontHeight(HDC dc, int points) { return -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72); }

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

UniqueFont CreatePrintFont(HDC dc, const PrintListFont& font) {
  LOGFONTA lf{};
  lf.lfHeight = FontHeight(dc, font.size);
  lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.italic ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(lf.lfFaceName, font.name.c_str(), LF_FACESIZE);
  return UniqueFont(CreateFontIndirectA(&lf));
}

// The hourglass while a printout runs; the previous cursor comes back however it ends.
class HourglassCursor {
 public:
  HourglassCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  ~HourglassCursor() { SetCursor(previous_); }
  HourglassCursor(const HourglassCursor&) = delete;
  HourglassCursor& operator=(const HourglassCursor&) = delete;

 private:
  HCURSOR previous_;
};

// The printer's device context, deleted however the printout ends.
class PrinterDc {
 public:
  explicit PrinterDc(HDC dc) : dc_(dc) {}
  ~PrinterDc() { DeleteDC(dc_); }
  PrinterDc(const PrinterDc&) = delete;
  PrinterDc& operator=(const PrinterDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// Marks a printout in progress for as long as it lives.
class PrintingFlag {
 public:
  explicit PrintingFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~PrintingFlag() { flag_ = false; }
  PrintingFlag(const PrintingFlag&) = delete;
  PrintingFlag& operator=(const PrintingFlag&) = delete;

 private:
  bool& flag_;
};

// Replays the plan on the printer: one document, a page per plan page. Returns
// false when the printer refused a step; the job is then aborted, not left open.
bool ReplayPlan(HDC dc, HFONT font, COLORREF color, const PrintPlan& plan) {
  DOCINFOA doc{};
  doc.cbSize = sizeof(doc);
  doc.lpszDocName = kPrintJobTitle;
  if (StartDocA(dc, &doc) <= 0) return false;
  std::size_t next = 0;
  for (int page = 0; page < plan.pageCount; ++page) {
    if (StartPage(dc) <= 0) {
      AbortDoc(dc);
      return false;
    }
    // Some drivers reset the device context at each page: select the font again.
    const HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, color);
    SetBkMode(dc, TRANSPARENT);
    for (; next < plan.ops.size() && plan.ops[next].page == page; ++next) {
      const PrintTextOp& op = plan.ops[next];
      RECT clip{op.x, op.y, op.clipRight, op.clipBottom};
      ExtTextOutA(dc, op.x, op.y, ETO_CLIPPED, &clip, op.text.data(), static_cast<UINT>(op.text.size()), nullptr);
    }
    SelectObject(dc, old);
    if (EndPage(dc) <= 0) {
      AbortDoc(dc);
      return false;
    }
  }
  return EndDoc(dc) > 0;
}

}  // namespace

TMainWin::PrinterChoice::~PrinterChoice() {
  if (devMode != nullptr) GlobalFree(devMode);
  if (devNames != nullptr) GlobalFree(devNames);
}

void TMainWin::DoOutput() {
  if (list_.RowCount() == 0) {
    ShowMessage(window_, kNoWordsnapsYet, "Error");
    return;
  }
  const std::optional<std::string> chosen =
      AskForFile(window_, {kOutputDialogTitle, kOutputDialogFilter, kOutputDefaultExtension, true});
  if (!chosen) return;

  char full[MAX_PATH * 2] = {};
  const DWORD length = GetFullPathNameA(chosen->c_str(), sizeof(full), full, nullptr);
  const std::string path = ListOutputPath(length > 0 && length < sizeof(full) ? full : *chosen);
  if (const auto refusal = OutputOverDataFileRefusal(files_, path, state_.settings.currentFile)) {
    ShowStoreMessage(refusal);
    return;
  }

  std::vector<std::int32_t> recordNos;
  for (int row = 0; row < list_.RowCount(); ++row)
    if (const WordsnapNode* node = list_.NodeOfRow(row)) recordNos.push_back(node->RecordNo);
  StoreRowReader reader(state_.store, files_, state_.settings.currentFile, std::move(recordNos));
  const ListOutputResult result =
      WriteListOutputFile(path, reader.RowCount(), [&reader](int row) { return reader(row); });
  if (const auto message = ListOutputMessage(result)) ShowMessage(window_, *message, "Error");
  ShowStoreMessage(reader.Failure());
}

void TMainWin::MenuPFontClick() {
  const FontDialogChoice preset = PrinterFontPreset(state_.settings.printListFont);
  LOGFONTA lf{};
  HDC screen = GetDC(window_);
  lf.lfHeight = FontHeight(screen, preset.size);
  ReleaseDC(window_, screen);
  lf.lfWeight = preset.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = preset.italic ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(lf.lfFaceName, preset.name.c_str(), LF_FACESIZE);

  CHOOSEFONTA cf{};
  cf.lStructSize = sizeof(cf);
  cf.hwndOwner = window_;
  cf.lpLogFont = &lf;
  cf.iPointSize = preset.size * 10;
  cf.rgbColors = static_cast<COLORREF>(preset.color);
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  if (!ChooseFontA(&cf)) return;

  FontDialogChoice choice;
  choice.name = lf.lfFaceName;
  choice.size = (cf.iPointSize + 5) / 10;
  choice.color = static_cast<std::int32_t>(cf.rgbColors);
  choice.bold = lf.lfWeight >= FW_BOLD;
  choice.italic = lf.lfItalic != 0;
  choice.underline = lf.lfUnderline != 0;
  choice.strikeOut = lf.lfStrikeOut != 0;
  TakePrinterFont(choice, state_.settings);
  SaveSettingsTelling(window_, state_, profiles_);
}

void TMainWin::MenuPSetupClick() {
  PRINTDLGA pd{};
  pd.lStructSize = sizeof(pd);
  pd.hwndOwner = window_;
  pd.hDevMode = printer_.devMode;
  pd.hDevNames = printer_.devNames;
  pd.Flags = PD_PRINTSETUP;
  PrintDlgA(&pd);  // cancelled: the printer stays as it was
  // The dialog may have replaced the handles, whether or not it was cancelled.
  printer_.devMode = pd.hDevMode;
  printer_.devNames = pd.hDevNames;
}

void TMainWin::MenuPrintClick() {
  if (ShowMessage(window_, kPrintNotice, "Notice", MB_OKCANCEL) != IDOK) return;
  if (printing_) {
    ShowMessage(window_, kPrintJobInProgress, "Error");
    return;
  }
  PRINTDLGA pd{};
  pd.lStructSize = sizeof(pd);
  pd.hwndOwner = window_;
  pd.hDevMode = printer_.devMode;
  pd.hDevNames = printer_.devNames;
  pd.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS;
  pd.nCopies = 1;
  const BOOL chosen = PrintDlgA(&pd);
  printer_.devMode = pd.hDevMode;
  printer_.devNames = pd.hDevNames;
  if (!chosen) {
    if (CommDlgExtendedError() != 0) ShowMessage(window_, kPrinterUnavailable, "Error");
    return;
  }
  if (pd.hDC == nullptr) {
    ShowMessage(window_, kPrinterUnavailable, "Error");
    return;
  }
  const PrinterDc printer(pd.hDC);
  const PrintingFlag inProgress(printing_);
  HDC dc = printer.Get();
  bool printed = false;
  {
    HourglassCursor hourglass;
    const PrintablePage page{GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
    const UniqueFont font = CreatePrintFont(dc, state_.settings.printListFont);
    const HGDIOBJ old = SelectObject(dc, font.get());
    SIZE sample{};
    SIZE columns{};
    GetTextExtentPoint32A(dc, kLineHeightSample, lstrlenA(kLineHeightSample), &sample);
    GetTextExtentPoint32A(dc, kColumnOffsetSample, lstrlenA(kColumnOffsetSample), &columns);
    SelectObject(dc, old);

    std::vector<PrintRow> rows;
    for (int row = 0; row < list_.RowCount(); ++row)
      if (const WordsnapNode* node = list_.NodeOfRow(row))
        rows.push_back({std::string(node->Name()), std::string(node->Preview())});
    const PrintPlan plan = LayOutPrintout(page, {static_cast<int>(sample.cy), static_cast<int>(columns.cx)},
                                          PrintHeader(state_.settings.currentFile), rows, pd.nCopies);
    printed = plan.pageCount == 0 ||
              ReplayPlan(dc, font.get(), static_cast<COLORREF>(state_.settings.printListFont.color), plan);
  }
  if (!printed) ShowMessage(window_, kPrintJobFailed, "Error");
}

}  // namespace wordsnap
