#include "ImportOptions.h"

#include "DialogColors.h"
#include "DialogGuard.h"
#include "ImportOptions_ids.h"
#include "ModalLoop.h"

namespace wordsnap {
namespace {

struct ImportOptionsState {
  ImportOptionsState(TDialogShowing& s, std::int32_t setting) : showing(s), mode(setting) {}
  TDialogShowing& showing;
  std::int32_t mode;
  HFONT boldFont = nullptr;
};

constexpr int kModeRadios[] = {IDC_IMPORTOPTIONS_DUPLICATE, IDC_IMPORTOPTIONS_REPLACE, IDC_IMPORTOPTIONS_PROMPT};

void FormShow(HWND dialog, ImportOptionsState& state) {
  state.showing.Attach(dialog);
  state.boldFont = BoldenLabels(dialog, {IDC_IMPORTOPTIONS_LABEL});
  CentreOnScreen(dialog);
  if (state.mode >= 1 && state.mode <= 3) CheckDlgButton(dialog, kModeRadios[state.mode - 1], BST_CHECKED);
}

// FormClose: the first checked button gives the mode; none checked means prompt.
void FormClose(HWND dialog, ImportOptionsState& state) {
  state.mode = 3;
  for (int mode = 1; mode <= 2; ++mode) {
    if (IsDlgButtonChecked(dialog, kModeRadios[mode - 1]) == BST_CHECKED) {
      state.mode = mode;
      break;
    }
  }
  EndDialog(dialog, IDOK);
}

INT_PTR ImportOptionsProcBody(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    FormShow(dialog, *reinterpret_cast<ImportOptionsState*>(lParam));
    return TRUE;
  }
  auto* state = reinterpret_cast<ImportOptionsState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {  // OkButtonClick, Esc, the close button
        FormClose(dialog, *state);
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      SendDlgItemMessageA(dialog, IDC_IMPORTOPTIONS_LABEL, WM_SETFONT, 0, FALSE);
      if (state->boldFont != nullptr) DeleteObject(state->boldFont);
      state->boldFont = nullptr;
      return FALSE;
    case WM_CTLCOLORSTATIC:
      return SetColors(message, wParam);
    default:
      return FALSE;
  }
}

}  // namespace

std::int32_t RunImportOptions(HWND owner, bool& showingFlag, std::int32_t duplicateSetting) {
  TDialogShowing showing(showingFlag);
  ImportOptionsState state{showing, duplicateSetting};
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_IMPORTOPTIONS), owner,
                  GuardedDialogProc<ImportOptionsProcBody>,
                  reinterpret_cast<LPARAM>(&state));
  return state.mode;
}

}  // namespace wordsnap
