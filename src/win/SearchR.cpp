#include "DialogGuard.h"
#include "SearchR.h"

#include <string>

#include "DialogColors.h"
#include "ModalLoop.h"
#include "SearchR_ids.h"

namespace wordsnap {
namespace {

struct DoSearchState {
  DoSearchState(TDialogShowing& f, bool mode) : showing(f), findMode(mode) {}
  TDialogShowing& showing;
  bool findMode = false;
  SearchDialogResult result;  // unconfirmed until OK finds something to look for
};

DoSearchState* StateOf(HWND dialog) { return reinterpret_cast<DoSearchState*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

std::string BoxText(HWND dialog, int id) {
  char text[kSearchTextMaxLength + 1] = {};
  GetDlgItemTextA(dialog, id, text, sizeof(text));
  return text;
}

void FormShow(HWND dialog, DoSearchState& state) {
  state.showing.Attach(dialog);
  state.result = {};
  for (int id : {IDC_SEARCHR_FIND, IDC_SEARCHR_REPLACE})
    SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, kSearchTextMaxLength, 0);
  const SearchDialogLook look = SearchDialogLookFor(state.findMode);
  SetWindowTextA(dialog, look.caption.c_str());
  for (int id : {IDC_SEARCHR_LABEL2, IDC_SEARCHR_REPLACE}) EnableWindow(GetDlgItem(dialog, id), look.replaceEnabled);
  CentreOnScreen(dialog);
}

void OkButtonClick(HWND dialog, DoSearchState& state) {
  state.result = ConfirmSearchDialog(BoxText(dialog, IDC_SEARCHR_FIND), BoxText(dialog, IDC_SEARCHR_REPLACE));
  EndDialog(dialog, IDOK);
}

INT_PTR DoSearchProcBody(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    FormShow(dialog, *reinterpret_cast<DoSearchState*>(lParam));
    return TRUE;  // the find box gets the focus
  }
  DoSearchState* state = StateOf(dialog);
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        OkButtonClick(dialog, *state);
      } else if (LOWORD(wParam) == IDCANCEL) {
        state->result = {};
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

SearchDialogResult RunSearchR(HWND owner, bool& showingFlag, bool findMode) {
  TDialogShowing showing(showingFlag);
  DoSearchState state{showing, findMode};
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SEARCHR), owner, GuardedDialogProc<DoSearchProcBody>,
                  reinterpret_cast<LPARAM>(&state));
  return state.result;
}

}  // namespace wordsnap
