#include "DialogGuard.h"
#include "SnapOptions.h"

#include "DialogColors.h"
#include "ModalLoop.h"
#include "SnapOptions_ids.h"
#include "core/options/snap_options.h"

namespace wordsnap {
namespace {

struct SnapOptionsState {
  SnapOptionsState(TDialogShowing& f, WordsnapRecord& w, std::int32_t clip)
      : showing(f), working(w), clipSetting(clip) {}
  TDialogShowing& showing;
  WordsnapRecord& working;
  std::int32_t clipSetting = 0;
  bool confirmed = false;
  HFONT boldFont = nullptr;
};

SnapOptionsState* StateOf(HWND dialog) {
  return reinterpret_cast<SnapOptionsState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

int CaseRadioId(CaseItem item) {
  switch (item) {
    case CaseItem::FirstCharacter: return IDC_SNAPOPTIONS_CASEMATCH;
    case CaseItem::Exact: return IDC_SNAPOPTIONS_CASESENSE;
    case CaseItem::None: break;
  }
  return IDC_SNAPOPTIONS_CASENONE;
}

// KeyboardClick and ClipboardClick: the delay applies to keystrokes only.
void EnableDelay(HWND dialog) {
  const bool keyboard = !Checked(dialog, IDC_SNAPOPTIONS_CLIPBOARD);
  for (int id : {IDC_SNAPOPTIONS_SECONDS, IDC_SNAPOPTIONS_SECONDSLABEL}) EnableWindow(GetDlgItem(dialog, id), keyboard);
}

void FormShow(HWND dialog, SnapOptionsState& state) {
  state.showing.Attach(dialog);
  state.boldFont = BoldenLabels(dialog, {IDC_SNAPOPTIONS_LABEL4, IDC_SNAPOPTIONS_LABEL3});
  CentreOnScreen(dialog);
  const SnapOptionsControls controls = SnapOptionsAtShow(state.working);
  CheckRadioButton(dialog, IDC_SNAPOPTIONS_CASEMATCH, IDC_SNAPOPTIONS_CASENONE, CaseRadioId(controls.caseRadio));
  SendDlgItemMessageA(dialog, IDC_SNAPOPTIONS_SECONDS, EM_LIMITTEXT, kKeyDelayBoxMaxLength, 0);
  SetDlgItemTextA(dialog, IDC_SNAPOPTIONS_SECONDS, controls.secondsText.c_str());
  const bool clipboard = controls.sendRadio == SendRadio::Clipboard;
  CheckDlgButton(dialog, IDC_SNAPOPTIONS_KEYBOARD, clipboard ? BST_UNCHECKED : BST_CHECKED);
  CheckDlgButton(dialog, IDC_SNAPOPTIONS_CLIPBOARD, clipboard ? BST_CHECKED : BST_UNCHECKED);
  const SnapOptionsEnabling enabling = SnapOptionsEnablingFor(controls.sendRadio, state.clipSetting);
  for (int id : {IDC_SNAPOPTIONS_SECONDS, IDC_SNAPOPTIONS_SECONDSLABEL})
    EnableWindow(GetDlgItem(dialog, id), enabling.delay);
  for (int id : {IDC_SNAPOPTIONS_KEYBOARD, IDC_SNAPOPTIONS_CLIPBOARD})
    EnableWindow(GetDlgItem(dialog, id), enabling.methodRadios);
}

void OkButtonClick(HWND dialog, SnapOptionsState& state) {
  SnapOptionsControls controls;
  controls.caseRadio = Checked(dialog, IDC_SNAPOPTIONS_CASESENSE)   ? CaseItem::Exact
                       : Checked(dialog, IDC_SNAPOPTIONS_CASEMATCH) ? CaseItem::FirstCharacter
                                                                    : CaseItem::None;
  char seconds[kKeyDelayBoxMaxLength + 1] = {};
  GetDlgItemTextA(dialog, IDC_SNAPOPTIONS_SECONDS, seconds, sizeof(seconds));
  controls.secondsText = seconds;
  controls.sendRadio = Checked(dialog, IDC_SNAPOPTIONS_CLIPBOARD) ? SendRadio::Clipboard : SendRadio::Keyboard;
  ConfirmSnapOptions(controls, state.working);
  state.confirmed = true;
  EndDialog(dialog, IDOK);
}

INT_PTR SnapOptionsProcBody(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    FormShow(dialog, *reinterpret_cast<SnapOptionsState*>(lParam));
    return TRUE;
  }
  SnapOptionsState* state = StateOf(dialog);
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          OkButtonClick(dialog, *state);
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, IDCANCEL);
          return TRUE;
        case IDC_SNAPOPTIONS_KEYBOARD:   // KeyboardClick
        case IDC_SNAPOPTIONS_CLIPBOARD:  // ClipboardClick
          if (HIWORD(wParam) == BN_CLICKED) EnableDelay(dialog);
          return TRUE;
        default:
          return FALSE;
      }
    case WM_DESTROY:
      for (int id : {IDC_SNAPOPTIONS_LABEL4, IDC_SNAPOPTIONS_LABEL3}) SendDlgItemMessageA(dialog, id, WM_SETFONT, 0, FALSE);
      if (state->boldFont != nullptr) DeleteObject(state->boldFont);
      state->boldFont = nullptr;
      return FALSE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      return SetColors(message, wParam);
    default:
      return FALSE;
  }
}

}  // namespace

bool RunSnapOptions(HWND owner, bool& showingFlag, WordsnapRecord& working, std::int32_t clipSetting) {
  TDialogShowing showing(showingFlag);
  SnapOptionsState state{showing, working, clipSetting};
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SNAPOPTIONS), owner,
                  GuardedDialogProc<SnapOptionsProcBody>,
                  reinterpret_cast<LPARAM>(&state));
  return state.confirmed;
}

}  // namespace wordsnap
