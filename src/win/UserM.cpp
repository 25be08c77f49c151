#include "UserM.h"

#include <shellapi.h>

#include "DialogColors.h"
#include "DialogGuard.h"
#include "HelpWindow.h"
#include "MessageBoxes.h"
#include "ModalLoop.h"
#include "UserM_ids.h"
#include "core/help/help_topics.h"

namespace wordsnap {
namespace {

struct UserManualState {
  UserManualState(TDialogShowing& s, const std::string& path) : showing(s), manualPath(path) {}
  TDialogShowing& showing;
  const std::string& manualPath;
};

// Opens the manual in the user's word processor; where none opens it (no program
// for documents), in the program's own help window.
void OkButtonClick(HWND dialog, const UserManualState& state) {
  bool shown = false;
  if (GetFileAttributesA(state.manualPath.c_str()) != INVALID_FILE_ATTRIBUTES) {
    shown = OpenWithItsProgram(dialog, state.manualPath) || ShowManualWindow(state.manualPath, HelpTopic::Contents);
  }
  if (!shown) ShowMessage(dialog, kManualMissingMessage, "Error", MB_OK);
  EndDialog(dialog, IDOK);
}

INT_PTR UserManualProcBody(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    reinterpret_cast<UserManualState*>(lParam)->showing.Attach(dialog);
    CentreOnScreen(dialog);
    return TRUE;
  }
  auto* state = reinterpret_cast<UserManualState*>(GetWindowLongPtrA(dialog, DWLP_USER));
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
      return SetColors(message, wParam);
    case WM_DRAWITEM: {
      // The frame round the labels, raised like the main window's.
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlID != IDC_USERM_FRAME) return FALSE;
      RECT frame = item.rcItem;
      DrawEdge(item.hDC, &frame, BDR_RAISEDINNER, BF_RECT);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

void RunUserM(HWND owner, bool& showingFlag, const std::string& manualPath) {
  TDialogShowing showing(showingFlag);
  UserManualState state{showing, manualPath};
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_USERM), owner, GuardedDialogProc<UserManualProcBody>,
                  reinterpret_cast<LPARAM>(&state));
}

}  // namespace wordsnap
