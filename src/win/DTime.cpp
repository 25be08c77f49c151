#include "DialogGuard.h"
#include "DTime.h"

#include "ArialFont.h"
#include "DTime_ids.h"
#include "DialogColors.h"
#include "HelpWindow.h"
#include "MessageBoxes.h"
#include "ModalLoop.h"
#include "core/dpi/dpi_scale.h"

namespace wordsnap {
namespace {

// At scale 1, in pixels.
constexpr int kRowHeight = 16;
constexpr int kFormatLeft = 2;
constexpr int kTitleFontHeight = 20;

struct DateOrTimeState {
  DateOrTimeState(DateOrTimeMode m, Settings& s, TDialogShowing& f, const std::string& dir)
      : mode(m), settings(s), showing(f), programDir(dir) {}
  DateOrTimeMode mode;
  Settings& settings;
  TDialogShowing& showing;
  const std::string& programDir;
  std::string code;
  HFONT titleFont = nullptr;
  double dialogScale = 1.0;
};

DateOrTimeState* StateOf(HWND dialog) {
  return reinterpret_cast<DateOrTimeState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

void HideDateShift(HWND dialog) {
  for (int id : {IDC_DTIME_SDLAB1, IDC_DTIME_DAYS, IDC_DTIME_SDLAB2, IDC_DTIME_FUTURE, IDC_DTIME_PAST}) {
    HWND control = GetDlgItem(dialog, id);
    ShowWindow(control, SW_HIDE);
    EnableWindow(control, FALSE);
  }
}

void FormShow(HWND dialog, DateOrTimeState& state) {
  state.showing.Attach(dialog);
  state.titleFont = CreateArialFont(ScaleByFactor(kTitleFontHeight, state.dialogScale));
  SendDlgItemMessageA(dialog, IDC_DTIME_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(state.titleFont), FALSE);
  CentreOnScreen(dialog);

  const bool date = state.mode == DateOrTimeMode::Date;
  SetWindowTextA(dialog, date ? "Dates" : "Times");
  SetDlgItemTextA(dialog, IDC_DTIME_TITLE, date ? "Select Date Format" : "Select Time Format");
  HWND list = GetDlgItem(dialog, IDC_DTIME_FORMAT);
  SendMessageA(list, LB_SETITEMHEIGHT, 0, static_cast<LPARAM>(kRowHeight * state.dialogScale));
  for (int row = 0; row < FormatRowCount(state.mode); ++row) SendMessageA(list, LB_ADDSTRING, 0, 0);
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(RememberedRow(state.mode, state.settings)), 0);
  CheckDlgButton(dialog, IDC_DTIME_SUPPRESS,
                 RememberedSuppressZeros(state.mode, state.settings) ? BST_CHECKED : BST_UNCHECKED);
  if (date) {
    CheckRadioButton(dialog, IDC_DTIME_FUTURE, IDC_DTIME_PAST, IDC_DTIME_FUTURE);
    SendDlgItemMessageA(dialog, IDC_DTIME_DAYS, EM_LIMITTEXT, kDaysBoxMaxLength, 0);
    SetDlgItemTextA(dialog, IDC_DTIME_DAYS, "0");
  } else {
    HideDateShift(dialog);
  }
}

void OkButtonClick(HWND dialog, DateOrTimeState& state) {
  PickerControls controls;
  controls.row = static_cast<int>(SendDlgItemMessageA(dialog, IDC_DTIME_FORMAT, LB_GETCURSEL, 0, 0));
  controls.suppressZeros = IsDlgButtonChecked(dialog, IDC_DTIME_SUPPRESS) == BST_CHECKED;
  controls.future = IsDlgButtonChecked(dialog, IDC_DTIME_FUTURE) == BST_CHECKED;
  char days[16] = {};
  GetDlgItemTextA(dialog, IDC_DTIME_DAYS, days, sizeof(days));
  controls.daysText = days;
  const PickerOutcome outcome = ConfirmPicker(state.mode, controls, state.settings);
  if (!outcome.accepted) {
    ShowMessage(dialog, kInvalidDayCount, "Error");
    HWND box = GetDlgItem(dialog, IDC_DTIME_DAYS);
    SetFocus(box);
    SendMessageA(box, EM_SETSEL, 0, -1);
    return;
  }
  state.code = outcome.code.substr(0, kPickerCodeMaxLength);
  EndDialog(dialog, IDOK);
}

void HelpButtonClick(HWND dialog, const DateOrTimeState& state) {
  ShowHelp(dialog, state.programDir, state.mode == DateOrTimeMode::Date ? HelpTopic::DateFormat : HelpTopic::TimeFormat);
}

void TheFormatDrawItem(const DateOrTimeState& state, const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  const int row = static_cast<int>(item.itemID);
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  const std::string_view format = FormatText(state.mode, row);
  const std::string sample = FormatSample(state.mode, row);
  const int middle = (item.rcItem.left + item.rcItem.right) / 2;
  TextOutA(item.hDC, item.rcItem.left + ScaleByFactor(kFormatLeft, state.dialogScale), item.rcItem.top, format.data(),
           static_cast<int>(format.size()));
  TextOutA(item.hDC, middle, item.rcItem.top, sample.data(), static_cast<int>(sample.size()));
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
}

INT_PTR DateOrTimeProcBody(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    FormShow(dialog, *reinterpret_cast<DateOrTimeState*>(lParam));
    SetFocus(GetDlgItem(dialog, IDC_DTIME_FORMAT));
    return FALSE;  // the list has the focus
  }
  DateOrTimeState* state = StateOf(dialog);
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          OkButtonClick(dialog, *state);
          return TRUE;
        case IDCANCEL:
          state->code.clear();
          EndDialog(dialog, IDCANCEL);
          return TRUE;
        case IDC_DTIME_HELP:
          HelpButtonClick(dialog, *state);
          return TRUE;
        default:
          return FALSE;
      }
    case WM_DRAWITEM:
      if (wParam != IDC_DTIME_FORMAT) return FALSE;
      TheFormatDrawItem(*state, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_DESTROY:
      if (state->titleFont != nullptr) DeleteObject(state->titleFont);
      state->titleFont = nullptr;
      return FALSE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      return SetColors(message, wParam);
    default:
      return FALSE;
  }
}

}  // namespace

std::string RunDTime(HWND owner, bool& showingFlag, DateOrTimeMode mode, Settings& settings,
                     const std::string& programDir, double dialogScale) {
  TDialogShowing showing(showingFlag);
  DateOrTimeState state{mode, settings, showing, programDir};
  state.dialogScale = dialogScale;
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_DTIME), owner, GuardedDialogProc<DateOrTimeProcBody>,
                  reinterpret_cast<LPARAM>(&state));
  return state.code;
}

}  // namespace wordsnap
