#include "DictionaryMaintenance.h"

#include <string>
#include <vector>

#include "DialogColors.h"
#include "DialogGuard.h"
#include "DictionaryMaintenance_ids.h"
#include "MessageBoxes.h"
#include "ModalLoop.h"
#include "core/editor/trim_blanks.h"
#include "core/spell_check/user_word_lists.h"

namespace wordsnap {
namespace {

struct MyEditBoxState {
  MyEditBoxState(bool& flag, SpellingHost& h, const SpellingFiles& f, UserListMode m)
      : showing(flag), host(h), files(f), mode(m) {}
  TDialogShowing showing;
  SpellingHost& host;
  const SpellingFiles& files;
  UserListMode mode;
};

MyEditBoxState* StateOf(HWND dialog) {
  return reinterpret_cast<MyEditBoxState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

HWND ListOf(HWND dialog) { return GetDlgItem(dialog, IDC_EDITBOX_LIST); }

std::string RowText(HWND list, int row) {
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void FormShow(HWND dialog, MyEditBoxState& state) {
  state.showing.Attach(dialog);
  CentreOnScreen(dialog);
  HWND list = ListOf(dialog);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  SendDlgItemMessageA(dialog, IDC_EDITBOX_ADDINFO, EM_LIMITTEXT, kMaxSpellingWord, 0);
  SetDlgItemTextA(dialog, IDC_EDITBOX_HEAD, HeadLabelText(state.mode, state.files.american).c_str());
  for (const std::string& word : ReadUserList(state.host, UserListPath(state.mode, state.files)))
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(word.c_str()));
  SetFocus(list);
  SendMessageA(list, LB_SETCURSEL, SendMessageA(list, LB_GETCOUNT, 0, 0) > 0 ? 0 : static_cast<WPARAM>(-1), 0);
}

void AddButtonClick(HWND dialog) {
  char typed[kMaxSpellingWord + 1] = {};
  GetDlgItemTextA(dialog, IDC_EDITBOX_ADDINFO, typed, sizeof(typed));
  const std::string word = TrimBlanks(typed);
  if (!word.empty()) SendMessageA(ListOf(dialog), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(word.c_str()));
  SetDlgItemTextA(dialog, IDC_EDITBOX_ADDINFO, "");
  SetFocus(GetDlgItem(dialog, IDC_EDITBOX_ADDINFO));
}

void DeleteButtonClick(HWND dialog) {
  HWND list = ListOf(dialog);
  const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (selected < 0) return;
  const LRESULT left = SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
  const std::size_t rowsLeft = left > 0 ? static_cast<std::size_t>(left) : 0;
  const auto next = SelectionAfterDelete(static_cast<std::size_t>(selected), rowsLeft);
  SendMessageA(list, LB_SETCURSEL, next ? static_cast<WPARAM>(*next) : static_cast<WPARAM>(-1), 0);
}

void OkButtonClick(HWND dialog, MyEditBoxState& state) {
  HWND list = ListOf(dialog);
  std::vector<std::string> words;
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  for (int row = 0; row < count; ++row) words.push_back(RowText(list, row));
  const std::string& path = UserListPath(state.mode, state.files);
  if (!WriteUserList(state.host, path, UserListKind(state.mode), LanguageCode(state.files.american), words)) {
    // The rows stay on screen: the user may try again or cancel.
    ShowMessage(dialog, "The word list could not be saved in " + path + ".", "Error");
    return;
  }
  EndDialog(dialog, IDOK);
}

INT_PTR MyEditBoxProcBody(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    FormShow(dialog, *reinterpret_cast<MyEditBoxState*>(lParam));
    return FALSE;  // the list has the focus
  }
  MyEditBoxState* state = StateOf(dialog);
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_EDITBOX_ADD: AddButtonClick(dialog); break;
        case IDC_EDITBOX_DELETE: DeleteButtonClick(dialog); break;
        case IDOK:
          // Enter in the box adds its word; elsewhere it is OK.
          if (GetFocus() == GetDlgItem(dialog, IDC_EDITBOX_ADDINFO)) AddButtonClick(dialog);
          else OkButtonClick(dialog, *state);
          break;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); break;
        default: break;
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

void RunDictionaryMaintenance(HWND owner, bool& showingFlag, SpellingHost& host, const SpellingFiles& files,
                              UserListMode mode) {
  MyEditBoxState state(showingFlag, host, files, mode);
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EDITBOX), owner, GuardedDialogProc<MyEditBoxProcBody>,
                  reinterpret_cast<LPARAM>(&state));
}

}  // namespace wordsnap
