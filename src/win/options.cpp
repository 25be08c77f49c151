#include "DialogGuard.h"
#include "options.h"

#include "DialogColors.h"
#include "MessageBoxes.h"
#include "ModalLoop.h"
#include "options_ids.h"

namespace wordsnap {
namespace {

constexpr int kSuffixOnlyControls[] = {
    IDC_OPTIONS_HINTLABEL,    IDC_OPTIONS_PANEL2,      IDC_OPTIONS_TOPLEFT,      IDC_OPTIONS_TOPCENTER,
    IDC_OPTIONS_TOPRIGHT,     IDC_OPTIONS_CENTERLEFT,  IDC_OPTIONS_CENTERCENTER, IDC_OPTIONS_CENTERRIGHT,
    IDC_OPTIONS_BOTTOMLEFT,   IDC_OPTIONS_BOTTOMCENTER, IDC_OPTIONS_BOTTOMRIGHT, IDC_OPTIONS_DOHINT,
    IDC_OPTIONS_PUNCT,        IDC_OPTIONS_RETYPESUFFIX,
};

struct WordsnapOptionsState {
  WordsnapOptionsState(Settings& s, std::string& keys, TDialogShowing& f) : settings(s), prefixKeys(keys), showing(f) {}
  Settings& settings;
  std::string& prefixKeys;
  TDialogShowing& showing;
  HintAtOpening hintAtOpening;
  std::optional<WordsnapOptionsResult> result;
  HFONT boldFont = nullptr;
};

WordsnapOptionsState* StateOf(HWND dialog) {
  return reinterpret_cast<WordsnapOptionsState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void Check(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }

void EnableDisable(HWND dialog) {
  const bool suffix = Checked(dialog, IDC_OPTIONS_USESUFFIX);
  EnableWindow(GetDlgItem(dialog, IDC_OPTIONS_PREFIXKEYS), !suffix);
  for (int id : kSuffixOnlyControls) EnableWindow(GetDlgItem(dialog, id), suffix);
}

void FormShow(HWND dialog, WordsnapOptionsState& state) {
  state.showing.Attach(dialog);
  CentreOnScreen(dialog);
  state.boldFont = BoldenLabels(dialog, {IDC_OPTIONS_LABEL6});

  const PrefixSuffixChoices choices = ChoicesFromSettings(state.settings, state.prefixKeys);
  Check(dialog, IDC_OPTIONS_DOHINT, choices.doHint);
  Check(dialog, IDC_OPTIONS_PUNCT, choices.usePunctuation);
  Check(dialog, IDC_OPTIONS_RETYPESUFFIX, choices.retypeSuffix);
  Check(dialog, choices.useSuffix ? IDC_OPTIONS_USESUFFIX : IDC_OPTIONS_USEPREFIX, true);
  SendDlgItemMessageA(dialog, IDC_OPTIONS_PREFIXKEYS, EM_LIMITTEXT, kPrefixKeysBoxMaxLength, 0);
  SetDlgItemTextA(dialog, IDC_OPTIONS_PREFIXKEYS, choices.prefixKeysText.c_str());
  EnableDisable(dialog);
  state.hintAtOpening = NoteHintAtOpening(state.settings);
  if (choices.hintPosition != 0) Check(dialog, IDC_OPTIONS_TOPLEFT + choices.hintPosition - 1, true);
}

PrefixSuffixChoices ReadControls(HWND dialog) {
  PrefixSuffixChoices choices;
  char keys[32] = {};
  GetDlgItemTextA(dialog, IDC_OPTIONS_PREFIXKEYS, keys, sizeof(keys));
  choices.prefixKeysText = keys;
  choices.useSuffix = Checked(dialog, IDC_OPTIONS_USESUFFIX);
  choices.usePunctuation = Checked(dialog, IDC_OPTIONS_PUNCT);
  choices.retypeSuffix = Checked(dialog, IDC_OPTIONS_RETYPESUFFIX);
  choices.doHint = Checked(dialog, IDC_OPTIONS_DOHINT);
  choices.hintPosition = 0;
  for (int position = 1; position <= 9; ++position)
    if (Checked(dialog, IDC_OPTIONS_TOPLEFT + position - 1)) choices.hintPosition = position;
  return choices;
}

void OkButtonClick(HWND dialog, WordsnapOptionsState& state) {
  const PrefixSuffixOutcome outcome =
      ConfirmPrefixSuffix(ReadControls(dialog), state.hintAtOpening, state.settings, state.prefixKeys);
  if (!outcome.accepted) {
    ShowMessage(dialog, kInvalidPrefixKeys, "Error");
    HWND box = GetDlgItem(dialog, IDC_OPTIONS_PREFIXKEYS);
    if (IsWindowEnabled(box)) {
      SetFocus(box);
      SendMessageA(box, EM_SETSEL, 0, -1);
    }
    return;
  }
  state.result = WordsnapOptionsResult{outcome.prefixKeysChanged, outcome.hint};
  EndDialog(dialog, IDOK);
}

INT_PTR WordsnapOptionsProcBody(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    FormShow(dialog, *reinterpret_cast<WordsnapOptionsState*>(lParam));
    return TRUE;
  }
  WordsnapOptionsState* state = StateOf(dialog);
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          OkButtonClick(dialog, *state);
          return TRUE;
        case IDCANCEL:
          state->result.reset();
          EndDialog(dialog, IDCANCEL);
          return TRUE;
        case IDC_OPTIONS_USEPREFIX:  // UsePrefixClick
        case IDC_OPTIONS_USESUFFIX:  // UseSuffixClick
          EnableDisable(dialog);
          return TRUE;
        default:
          return FALSE;
      }
    case WM_DESTROY:
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

std::optional<WordsnapOptionsResult> RunOptions(HWND owner, bool& showingFlag, Settings& settings,
                                                std::string& prefixKeys) {
  TDialogShowing showing(showingFlag);
  WordsnapOptionsState state{settings, prefixKeys, showing};
  DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OPTIONS), owner,
                  GuardedDialogProc<WordsnapOptionsProcBody>,
                  reinterpret_cast<LPARAM>(&state));
  return state.result;
}

}  // namespace wordsnap
