#include "SpellingSuggestions.h"

#include "DialogColors.h"
#include "DialogGuard.h"
#include "MessageBoxes.h"
#include "ModalLoop.h"
#include "SpellingSuggestions_ids.h"

namespace wordsnap {
namespace {

const COLORREF kOlive = RGB(128, 128, 0);

// The dialog's state for one showing: the run's state and the showing flag.
struct Showing {
  SpellSuggestionsState& run;
  TDialogShowing flag;
};

Showing* StateOf(HWND dialog) { return reinterpret_cast<Showing*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

void FormShow(HWND dialog, Showing& showing) {
  SpellSuggestionsState& state = showing.run;
  showing.flag.Attach(dialog);
  if (state.firstShowing) {
    state.firstShowing = false;
    CentreOnScreen(dialog);
  } else {
    SetWindowPos(dialog, nullptr, state.place.x, state.place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  state.decision = {};
  SetDlgItemTextA(dialog, IDC_SPELLSUG_NOTICE, SuggestionNoticeText(state.americanDictionary).c_str());
  SetDlgItemTextA(dialog, IDC_SPELLSUG_WORD, state.word.c_str());
  if (state.wordFont == nullptr) state.wordFont = BoldenLabels(dialog, {IDC_SPELLSUG_WORD});
  else SendDlgItemMessageA(dialog, IDC_SPELLSUG_WORD, WM_SETFONT, reinterpret_cast<WPARAM>(state.wordFont), FALSE);
  HWND list = GetDlgItem(dialog, IDC_SPELLSUG_LIST);
  for (const std::string& suggestion : state.suggestions)
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(suggestion.c_str()));
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  SetFocus(list);
}

void Close(HWND dialog, Showing& showing) {
  RECT placed{};
  GetWindowRect(dialog, &placed);
  showing.run.place = {placed.left, placed.top};
  EndDialog(dialog, 0);
}

void ReplaceButtonClick(HWND dialog, Showing& showing) {
  HWND list = GetDlgItem(dialog, IDC_SPELLSUG_LIST);
  const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (selected < 0) {
    ShowMessage(dialog, "No replacement word has been selected.  Please choose a replacement first.", "Error");
    return;
  }
  const auto index = static_cast<std::size_t>(selected);
  if (index >= showing.run.suggestions.size()) return;
  showing.run.decision = {WordAction::Replace, showing.run.suggestions[index]};
  Close(dialog, showing);
}

INT_PTR SpellSuggestionsProcBody(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    FormShow(dialog, *reinterpret_cast<Showing*>(lParam));
    return FALSE;  // the list has the focus
  }
  Showing* showing = StateOf(dialog);
  if (showing == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_SPELLSUG_REPLACE: ReplaceButtonClick(dialog, *showing); break;
        case IDC_SPELLSUG_LIST:
          if (HIWORD(wParam) == LBN_DBLCLK) ReplaceButtonClick(dialog, *showing);
          break;
        case IDC_SPELLSUG_ADD:
          showing->run.decision = {WordAction::Add, {}};
          Close(dialog, *showing);
          break;
        case IDC_SPELLSUG_ABORT:
          showing->run.decision = {WordAction::Abort, {}};
          Close(dialog, *showing);
          break;
        case IDC_SPELLSUG_IGNORE:
        case IDCANCEL: Close(dialog, *showing); break;
        default: break;
      }
      return TRUE;
    case WM_CTLCOLORSTATIC: {
      const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
      if (id == IDC_SPELLSUG_PANEL || id == IDC_SPELLSUG_NOTICE || id == IDC_SPELLSUG_WORD) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkColor(dc, kOlive);
        SetDCBrushColor(dc, kOlive);
        return reinterpret_cast<INT_PTR>(GetStockObject(DC_BRUSH));
      }
      return SetColors(message, wParam);
    }
    case WM_CTLCOLOREDIT:
      return SetColors(message, wParam);
    default:
      return FALSE;
  }
}

}  // namespace

WordDecision ShowSpellSuggestions(HWND owner, SpellSuggestionsState& state, const std::string& word,
                                  const std::vector<std::string>& suggestions) {
  state.word = word;
  state.suggestions = suggestions;
  Showing showing{state, TDialogShowing(state.showingFlag)};
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SPELLSUG), owner,
                  GuardedDialogProc<SpellSuggestionsProcBody>,
                  reinterpret_cast<LPARAM>(&showing));
  return state.decision;
}

EditorSpellDialogs::EditorSpellDialogs(HWND editor, bool& showingFlag, bool americanDictionary)
    : editor_(editor), state_(showingFlag) {
  state_.americanDictionary = americanDictionary;
}

EditorSpellDialogs::~EditorSpellDialogs() {
  if (state_.wordFont != nullptr) DeleteObject(state_.wordFont);
}

void EditorSpellDialogs::ShowMessage(const std::string& text, const std::string& caption) {
  wordsnap::ShowMessage(editor_, text, caption);
}

WordDecision EditorSpellDialogs::AskAboutWord(const std::string& word, const std::vector<std::string>& suggestions) {
  return ShowSpellSuggestions(editor_, state_, word, suggestions);
}

}  // namespace wordsnap
