#include "DialogGuard.h"
#include "FindR.h"

#include <utility>

#include "DialogColors.h"
#include "FindR_ids.h"
#include "ModalLoop.h"
#include "core/editor/trim_blanks.h"
#include "core/list/list_finder.h"

namespace wordsnap {
namespace {

struct DoFindState {
  DoFindState(TDialogShowing& f, std::string text) : showing(f), preset(std::move(text)) {}
  TDialogShowing& showing;
  std::string preset;
  bool confirmed = false;  // OK was pressed
  std::string findText;
};

DoFindState* StateOf(HWND dialog) { return reinterpret_cast<DoFindState*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

void FormShow(HWND dialog, DoFindState& state) {
  state.showing.Attach(dialog);
  state.confirmed = false;
  SendDlgItemMessageA(dialog, IDC_FINDR_FIND, EM_LIMITTEXT, kMaxListSearchText, 0);
  SetDlgItemTextA(dialog, IDC_FINDR_FIND, state.preset.c_str());
  CentreOnScreen(dialog);
}

void OkButtonClick(HWND dialog, DoFindState& state) {
  char text[kMaxListSearchText + 1] = {};
  GetDlgItemTextA(dialog, IDC_FINDR_FIND, text, sizeof(text));
  state.findText = TrimBlanks(text);
  state.confirmed = true;
  EndDialog(dialog, IDOK);
}

INT_PTR DoFindProcBody(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    FormShow(dialog, *reinterpret_cast<DoFindState*>(lParam));
    return TRUE;  // the first box gets the focus, its text selected
  }
  DoFindState* state = StateOf(dialog);
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        OkButtonClick(dialog, *state);
      } else if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
      }
      return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      return SetColors(message, wParam);
    default:
      return FALSE;
  }
}

}  // namespace

std::optional<std::string> RunFindR(HWND owner, bool& showingFlag, const std::string& preset) {
  TDialogShowing showing(showingFlag);
  DoFindState state{showing, preset};
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FINDR), owner,
                  GuardedDialogProc<DoFindProcBody>, reinterpret_cast<LPARAM>(&state));
  if (!state.confirmed) return std::nullopt;
  return state.findText;
}

}  // namespace wordsnap
