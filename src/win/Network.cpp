#include "DialogGuard.h"
#include "Network.h"

#include <string>

#include "Network_ids.h"

namespace wordsnap {
namespace {

struct NetworkDialogState {
  TDialogShowing& showing;
  NetworkDialogValues values;
  std::uint16_t shownMinutes = 0;  // as the box showed them on opening
};

void EnableDisable(HWND dialog) {
  const bool on = IsDlgButtonChecked(dialog, IDC_NETWORK_OPTION) == BST_CHECKED;
  EnableWindow(GetDlgItem(dialog, IDC_NETWORK_AUTOSYNC), on);
  EnableWindow(GetDlgItem(dialog, IDC_NETWORK_MINUTES), on);
}

void ReadControls(HWND dialog, NetworkDialogState& state) {
  char text[16] = {};
  GetDlgItemTextA(dialog, IDC_NETWORK_MINUTES, text, sizeof(text));
  state.values = NetworkValuesFromBoxes(IsDlgButtonChecked(dialog, IDC_NETWORK_OPTION) == BST_CHECKED,
                                        IsDlgButtonChecked(dialog, IDC_NETWORK_AUTOSYNC) == BST_CHECKED, text,
                                        state.shownMinutes);
}

INT_PTR NetworkDialogProcBody(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<NetworkDialogState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      state = reinterpret_cast<NetworkDialogState*>(lParam);
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      state->showing.Attach(dialog);
      CheckDlgButton(dialog, IDC_NETWORK_OPTION, state->values.networkMode ? BST_CHECKED : BST_UNCHECKED);
      CheckDlgButton(dialog, IDC_NETWORK_AUTOSYNC, state->values.autoSync ? BST_CHECKED : BST_UNCHECKED);
      SendDlgItemMessageA(dialog, IDC_NETWORK_MINUTES, EM_LIMITTEXT, 2, 0);
      SetDlgItemTextA(dialog, IDC_NETWORK_MINUTES, std::to_string(state->values.syncMinutes).c_str());
      EnableDisable(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_NETWORK_OPTION:
          EnableDisable(dialog);
          return TRUE;
        case IDOK:
        case IDCANCEL:  // Escape or the close box: the values are applied all the same
          ReadControls(dialog, *state);
          EndDialog(dialog, IDOK);
          return TRUE;
        default:
          return FALSE;
      }
    case WM_CLOSE:
      ReadControls(dialog, *state);
      EndDialog(dialog, IDOK);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

NetworkDialogValues RunNetwork(HWND owner, bool& showingFlag, const NetworkDialogValues& values) {
  TDialogShowing showing(showingFlag);
  NetworkDialogState state{showing, values, values.syncMinutes};
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_NETWORK), owner,
                  GuardedDialogProc<NetworkDialogProcBody>,
                  reinterpret_cast<LPARAM>(&state));
  return state.values;
}

}  // namespace wordsnap
