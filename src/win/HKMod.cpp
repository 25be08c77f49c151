#include "DialogGuard.h"
#include "HKMod.h"

#include "ArialFont.h"
#include "DTime.h"
#include "DialogColors.h"
#include "HKMod_ids.h"
#include "MessageBoxes.h"
#include "ModalLoop.h"
#include "SearchR.h"
#include "SnapOptions.h"
#include "SpellingSuggestions.h"
#include "SymbolPicker.h"
#include "core/dpi/dpi_scale.h"
#include "core/editor/editor_update.h"
#include "core/editor/text_insertion.h"
#include "core/spell_check/spelling_files_of_app.h"
#include "platform/win32/win32_spelling_host.h"

namespace wordsnap {
namespace {

// The heading above the memo, in pixels at scale 1.
constexpr int kLabelFontHeight = 20;

ModHotKeysState* StateOf(HWND dialog) {
  return reinterpret_cast<ModHotKeysState*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

std::string TextOf(HWND control) {
  const int length = GetWindowTextLengthA(control);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(control, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void FocusControl(HWND dialog, int id) {
  SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
}

bool MenuItemEnabled(HWND dialog, int id) {
  return (GetMenuState(GetMenu(dialog), static_cast<UINT>(id), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

void CheckItem(HWND dialog, int id, bool checked) {
  CheckMenuItem(GetMenu(dialog), static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void ShowSendMethod(HWND dialog, const WordsnapRecord& working) {
  const bool clipboard = SendsViaClipboard(working.ViaClipboard);
  CheckItem(dialog, IDM_HKMOD_VIA_CLIPBOARD, clipboard);
  CheckItem(dialog, IDM_HKMOD_VIA_KEYBOARD, !clipboard);
}

void ShowCaseRule(HWND dialog, const WordsnapRecord& working) {
  const CaseItem item = CaseItemFor(working.CaseRule);
  CheckItem(dialog, IDM_HKMOD_CASE_FIRST, item == CaseItem::FirstCharacter);
  CheckItem(dialog, IDM_HKMOD_CASE_EXACT, item == CaseItem::Exact);
  CheckItem(dialog, IDM_HKMOD_CASE_NONE, item == CaseItem::None);
}

void FormCreate(HWND dialog, ModHotKeysState& state) {
  SendDlgItemMessageA(dialog, IDC_HKMOD_ORIGKEYS, EM_LIMITTEXT, kMaxNameLength, 0);
  SendDlgItemMessageA(dialog, IDC_HKMOD_NEWFORMAT, EM_LIMITTEXT, 0, 0);  // the memo itself sets no limit
  state.labelFont = CreateArialFont(ScaleByFactor(kLabelFontHeight, state.app.dialogScale));
  SendDlgItemMessageA(dialog, IDC_HKMOD_LABEL2, WM_SETFONT, reinterpret_cast<WPARAM>(state.labelFont), FALSE);
}

// Returns FALSE: it sets the focus itself.
INT_PTR FormShow(HWND dialog, ModHotKeysState& state) {
  AppState& app = state.app;
  state.showing->Attach(dialog);
  CentreOnScreen(dialog);
  if (state.editMode) {
    const WordsnapRecord& current = app.store.current.Record;
    SetDlgItemTextA(dialog, IDC_HKMOD_ORIGKEYS, current.Name.c_str());
    SetDlgItemTextA(dialog, IDC_HKMOD_NEWFORMAT, current.ReplacementText.c_str());
    SetFocus(GetDlgItem(dialog, IDC_HKMOD_NEWFORMAT));
    state.working = current;
  } else {
    SetDlgItemTextA(dialog, IDC_HKMOD_ORIGKEYS, "");
    SetDlgItemTextA(dialog, IDC_HKMOD_NEWFORMAT, "");
    SetFocus(GetDlgItem(dialog, IDC_HKMOD_ORIGKEYS));
    state.working = NewWorkingRecord(app.settings.clipSetting, app.settings.caseSensative);
  }
  ShowSendMethod(dialog, state.working);
  ShowCaseRule(dialog, state.working);
  if (!SendMethodChoosable(app.settings.clipSetting)) {
    EnableMenuItem(GetMenu(dialog), IDM_HKMOD_VIA_KEYBOARD, MF_BYCOMMAND | MF_GRAYED);
    EnableMenuItem(GetMenu(dialog), IDM_HKMOD_VIA_CLIPBOARD, MF_BYCOMMAND | MF_GRAYED);
  }
  return FALSE;
}

void FormClose(HWND dialog, ModHotKeysState& state) {
  SendDlgItemMessageA(dialog, IDC_HKMOD_LABEL2, WM_SETFONT, 0, FALSE);
  if (state.labelFont != nullptr) DeleteObject(state.labelFont);
  state.labelFont = nullptr;
}

void UpdateButtonClick(HWND dialog, ModHotKeysState& state) {
  const UpdateCheck check =
      CheckUpdate(TextOf(GetDlgItem(dialog, IDC_HKMOD_ORIGKEYS)), TextOf(GetDlgItem(dialog, IDC_HKMOD_NEWFORMAT)));
  if (check.refusal) {
    ShowMessage(dialog, check.refusal->text, check.refusal->caption);
    FocusControl(dialog, IDC_HKMOD_ORIGKEYS);
    return;
  }
  state.updated = true;
  if (check.notice) ShowMessage(dialog, check.notice->text, check.notice->caption);
  StoreUpdate(check, state.working, !state.editMode, state.app.store);
  EndModalDialog(dialog, IDOK);
}

// The date or time picker: its code goes in at the caret when it fits.
void InsertDateOrTime(HWND dialog, ModHotKeysState& state, DateOrTimeMode mode) {
  AppState& app = state.app;
  const std::string code = RunDTime(dialog, app.dialogs.dateOrTime, mode, app.settings, app.programDir, app.dialogScale);
  if (!code.empty() && CheckSize(dialog, code.size())) SetIt(dialog, code);
}

// OptionButtonClick: the options dialog writes into the working record, and the
// menu checks follow what it wrote.
void OptionButtonClick(HWND dialog, ModHotKeysState& state) {
  if (!RunSnapOptions(dialog, state.app.dialogs.snapOptions, state.working, state.app.settings.clipSetting)) return;
  ShowCaseRule(dialog, state.working);
  ShowSendMethod(dialog, state.working);
}

// The spell check of the replacement text: the memo gets the text back, changed
// or not, before the outcome is told.
void DoSpellCheck(HWND dialog, ModHotKeysState& state) {
  AppState& app = state.app;
  HWND memo = GetDlgItem(dialog, IDC_HKMOD_NEWFORMAT);
  std::string text = TextOf(memo);
  Win32SpellingHost host;
  SpellCheckResult result;
  {
    EditorSpellDialogs dialogs(dialog, app.dialogs.spellSuggestions, app.settings.americanDictionary);
    result = CheckSpelling(host, dialogs, SpellingFilesOf(app), text);
  }
  if (result == SpellCheckResult::NotRun) return;
  SetWindowTextA(memo, text.c_str());
  if (const auto report = ReportOf(result)) ShowMessage(dialog, report->text, report->caption);
  SetFocus(memo);
}

// A search's outcome: the match selected in the memo, or the not-found warning.
void ShowSearchStep(HWND dialog, const SearchStep& step) {
  if (!step.found) {
    ShowMessage(dialog, step.message, kCaptionWarning);
    return;
  }
  HWND memo = GetDlgItem(dialog, IDC_HKMOD_NEWFORMAT);
  SetFocus(memo);
  SendMessageA(memo, EM_SETSEL, step.selectionStart, step.selectionStart + step.selectionLength);
  SendMessageA(memo, EM_SCROLLCARET, 0, 0);
}

void MenuFindClick(HWND dialog, ModHotKeysState& state) {
  const SearchDialogResult asked = RunSearchR(dialog, state.app.dialogs.doSearch, true);
  if (!asked.confirmed) return;
  ShowSearchStep(dialog, state.search.Find(TextOf(GetDlgItem(dialog, IDC_HKMOD_NEWFORMAT)), asked.findText));
}

void MenuFindAgainClick(HWND dialog, ModHotKeysState& state) {
  ShowSearchStep(dialog, state.search.FindAgain(TextOf(GetDlgItem(dialog, IDC_HKMOD_NEWFORMAT))));
}

// The whole memo from its start; a longer text meets the editor's limits at Update.
void SearchandReplace1Click(HWND dialog, ModHotKeysState& state) {
  const SearchDialogResult asked = RunSearchR(dialog, state.app.dialogs.doSearch, false);
  if (!asked.confirmed) return;
  HWND memo = GetDlgItem(dialog, IDC_HKMOD_NEWFORMAT);
  const ReplaceOutcome outcome = ReplaceAll(TextOf(memo), asked.findText, asked.replaceText);
  if (outcome.count > 0) SetWindowTextA(memo, outcome.text.c_str());
  ShowMessage(dialog, outcome.message, outcome.caption);
}

// Cut, Copy, Paste and Delete act on the focused one of the two text boxes.
void EditFocusedBox(HWND dialog, UINT message) {
  HWND focused = GetFocus();
  if (focused == GetDlgItem(dialog, IDC_HKMOD_ORIGKEYS) || focused == GetDlgItem(dialog, IDC_HKMOD_NEWFORMAT))
    SendMessageA(focused, message, 0, 0);
}

void OnCommand(HWND dialog, ModHotKeysState& state, int id) {
  switch (id) {
    case IDC_HKMOD_UPDATE:
      UpdateButtonClick(dialog, state);
      break;
    case IDCANCEL:
    case IDM_HKMOD_EXIT:
      EndModalDialog(dialog, IDCANCEL);
      break;
    case IDC_HKMOD_DATE:
    case IDM_HKMOD_DATE:
      InsertDateOrTime(dialog, state, DateOrTimeMode::Date);
      break;
    case IDC_HKMOD_TIME:
    case IDM_HKMOD_TIME:
      InsertDateOrTime(dialog, state, DateOrTimeMode::Time);
      break;
    case IDC_HKMOD_OPTIONS: OptionButtonClick(dialog, state); break;
    case IDC_HKMOD_SYMBOLS:
    case IDM_HKMOD_SYMBOL:
      DoSymbols(dialog, state.app);
      break;
    case IDM_HKMOD_FIND: MenuFindClick(dialog, state); break;
    case IDM_HKMOD_FIND_AGAIN: MenuFindAgainClick(dialog, state); break;
    case IDM_HKMOD_REPLACE: SearchandReplace1Click(dialog, state); break;
    case IDM_HKMOD_SPELL: DoSpellCheck(dialog, state); break;
    case IDM_HKMOD_CUT: EditFocusedBox(dialog, WM_CUT); break;
    case IDM_HKMOD_COPY: EditFocusedBox(dialog, WM_COPY); break;
    case IDM_HKMOD_PASTE: EditFocusedBox(dialog, WM_PASTE); break;
    case IDM_HKMOD_DELETE: EditFocusedBox(dialog, WM_CLEAR); break;
    case IDM_HKMOD_VIA_KEYBOARD:
    case IDM_HKMOD_VIA_CLIPBOARD:
      if (!MenuItemEnabled(dialog, id)) break;
      state.working.ViaClipboard = id == IDM_HKMOD_VIA_CLIPBOARD ? 1 : 0;
      ShowSendMethod(dialog, state.working);
      break;
    case IDM_HKMOD_CASE_FIRST: state.working.CaseRule = kCaseFirstCharacter; ShowCaseRule(dialog, state.working); break;
    case IDM_HKMOD_CASE_EXACT: state.working.CaseRule = kCaseExact; ShowCaseRule(dialog, state.working); break;
    case IDM_HKMOD_CASE_NONE: state.working.CaseRule = kCaseNone; ShowCaseRule(dialog, state.working); break;
    default:
      break;  // Enter in the name box, and the commands still disabled
  }
}

INT_PTR ModHotKeysProcBody(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    auto& state = *reinterpret_cast<ModHotKeysState*>(lParam);
    FormCreate(dialog, state);
    return FormShow(dialog, state);
  }
  ModHotKeysState* state = StateOf(dialog);
  if (state == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND:
      OnCommand(dialog, *state, LOWORD(wParam));
      return TRUE;
    case WM_CLOSE:
      EndModalDialog(dialog, IDCANCEL);
      return TRUE;
    case WM_DESTROY:
      FormClose(dialog, *state);
      return FALSE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      return SetColors(message, wParam);
    default:
      return FALSE;
  }
}

}  // namespace

bool RunHKMod(HWND owner, bool& showingFlag, AppState& app, bool editMode) {
  TDialogShowing showing(showingFlag);
  ModHotKeysState state(app, editMode);
  state.showing = &showing;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_HKMOD_ACCEL));
  RunModalDialog(instance, IDD_HKMOD, owner,
                 GuardedDialogProc<ModHotKeysProcBody>, reinterpret_cast<LPARAM>(&state), accelerators);
  return state.updated;
}

void DoSymbols(HWND dialog, AppState& app) {
  const std::string symbol = RunSpecial(dialog, app.dialogs.doSpecial, app.dialogScale);
  if (!symbol.empty() && CheckSize(dialog, symbol.size())) SetIt(dialog, symbol);
}

bool CheckSize(HWND dialog, std::size_t count) {
  const int length = GetWindowTextLengthA(GetDlgItem(dialog, IDC_HKMOD_NEWFORMAT));
  if (InsertionFits(static_cast<std::size_t>(length > 0 ? length : 0), count)) return true;
  ShowMessage(dialog, kTextExceedsMaximum, kCaptionError);
  return false;
}

void SetIt(HWND dialog, const std::string& text) {
  HWND memo = GetDlgItem(dialog, IDC_HKMOD_NEWFORMAT);
  DWORD start = 0;
  SendMessageA(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  const Insertion insertion = InsertAtCaret(TextOf(memo), start, text);
  SetWindowTextA(memo, insertion.text.c_str());
  SetFocus(memo);
  SendMessageA(memo, EM_SETSEL, insertion.caret, insertion.caret);
  SendMessageA(memo, EM_SCROLLCARET, 0, 0);
}

}  // namespace wordsnap
