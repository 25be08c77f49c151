// The main window's menus: check marks from the settings, which entries are
// available (built so far, and not barred by a restricted mode), and the option toggles.
#include <algorithm>
#include <iterator>

#include "About.h"
#include "HelpWindow.h"
#include "MainWin.h"
#include "SettingsSave.h"
#include "MessageBoxes.h"
#include "UserM.h"
#include "core/list/list_command_flow.h"
#include "core/version.h"
#include "core/settings/settings_file.h"
#include "resource.h"

namespace wordsnap {
namespace {

// Commands this program carries out. Every other entry stays disabled until its
// command exists, so no entry silently does nothing.
constexpr int kAvailableCommands[] = {
    IDM_FILE_NEW,        IDM_FILE_OPEN,        IDM_FILE_RECENT1,   IDM_FILE_RECENT1 + 1, IDM_FILE_RECENT1 + 2,
    IDM_FILE_RECENT1 + 3, IDM_FILE_RECENT5,
    IDM_FILE_HIDE,       IDM_FILE_EXIT,        IDM_OPT_COUNTER,    IDM_OPT_SOLITARY,    IDM_OPT_CASE_FIRST,
    IDM_OPT_CASE_EXACT,  IDM_OPT_CASE_NONE,    IDM_OPT_CLIP_ALL,   IDM_OPT_KEYS_ALL,    IDM_OPT_INDIVIDUAL,
    IDM_OPT_CLOSE_BUTTON, IDM_OPT_TRAY,        IDM_OPT_NETWORK,    IDM_OPT_PREFIX,        IDM_TOOLS_RESTORE_HOOKS, IDM_HELP_CONTENTS,
    IDM_TRAY_OPEN,       IDM_TRAY_RESTORE_HOOKS, IDM_TRAY_HELP,    IDM_TRAY_TERMINATE,  IDM_TRAY_ABOUT,
    IDM_HELP_ABOUT,      IDM_HELP_MANUAL,      IDM_TRAY_HOME_PAGE,
    IDM_EDIT_ADD,        IDM_EDIT_EDIT,        IDM_EDIT_REMOVE,    IDM_EDIT_ACTIVATE,   IDM_EDIT_FIND,
    IDM_EDIT_FIND_NEXT,  IDM_POP_ADD,          IDM_POP_EDIT,       IDM_POP_DELETE,      IDM_POP_ACTIVATE,
    IDM_FILE_OUTPUT_LIST, IDM_FILE_PRINT_LIST, IDM_FILE_PRINTER_FONT, IDM_FILE_PRINTER_SETUP,
    IDM_FILE_IMPORT_DELIMITED, IDM_FILE_IMPORT_TEXT, IDM_FILE_EXPORT_TEXT,
    IDM_TOOLS_AMERICAN,  IDM_TOOLS_BRITISH,    IDM_TOOLS_ADD_WORD, IDM_TOOLS_EXCLUDE_WORD,
};

// The entries of the "&Spell Checker" submenu, which both restricted modes bar.
constexpr int kSpellCheckerEntries[] = {IDM_TOOLS_AMERICAN, IDM_TOOLS_BRITISH, IDM_TOOLS_ADD_WORD,
                                        IDM_TOOLS_EXCLUDE_WORD};

// Entries barred by "/B".
constexpr int kBarredByB[] = {
    IDM_FILE_NEW,  IDM_EDIT_REMOVE, IDM_EDIT_ADD,       IDM_EDIT_ACTIVATE, IDM_EDIT_EDIT,
    IDM_FILE_IMPORT_DELIMITED,      IDM_FILE_IMPORT_TEXT, IDM_OPT_NETWORK, IDM_EDIT_FIND,
    IDM_EDIT_FIND_NEXT,             IDM_OPT_PREFIX,
    IDM_POP_ADD,   IDM_POP_EDIT,    IDM_POP_DELETE,     IDM_POP_ACTIVATE,
};
// Submenus barred by "/B", named by one of their entries.
constexpr int kSubmenusBarredByB[] = {IDM_TOOLS_AMERICAN, IDM_OPT_CASE_FIRST};

// Entries barred by "/BA".
constexpr int kBarredByBA[] = {
    IDM_EDIT_REMOVE,  IDM_EDIT_ADD,        IDM_FILE_NEW,       IDM_FILE_OPEN,        IDM_FILE_RECENT1,
    IDM_FILE_RECENT1 + 1, IDM_FILE_RECENT1 + 2, IDM_FILE_RECENT1 + 3, IDM_FILE_RECENT5, IDM_EDIT_ACTIVATE,
    IDM_FILE_OUTPUT_LIST, IDM_EDIT_EDIT,   IDM_OPT_SOLITARY,   IDM_OPT_CLIP_ALL,     IDM_OPT_KEYS_ALL,
    IDM_OPT_INDIVIDUAL, IDM_FILE_IMPORT_DELIMITED, IDM_FILE_EXPORT_TEXT, IDM_FILE_IMPORT_TEXT, IDM_OPT_TRAY,
    IDM_OPT_NETWORK,  IDM_TOOLS_RESTORE_HOOKS, IDM_OPT_PREFIX, IDM_EDIT_FIND,       IDM_EDIT_FIND_NEXT,
    IDM_OPT_COUNTER,  IDM_POP_ADD,         IDM_POP_EDIT,       IDM_POP_DELETE,       IDM_POP_ACTIVATE,
};
constexpr int kSubmenusBarredByBA[] = {IDM_TOOLS_AMERICAN, IDM_OPT_CASE_FIRST, IDM_OPT_CLIP_ALL};

// Speed buttons barred by "/B" and "/BA", named by their commands. They differ
// from the menus: "/B" bars the Help and Open File buttons but not their entries.
constexpr int kButtonsBarredByB[] = {
    IDM_EDIT_ADD,  IDM_EDIT_EDIT, IDM_EDIT_REMOVE, IDM_EDIT_ACTIVATE,  IDM_HELP_CONTENTS,
    IDM_FILE_OPEN, IDM_FILE_NEW,  IDM_EDIT_FIND,   IDM_EDIT_FIND_NEXT, IDM_OPT_PREFIX,
};
constexpr int kButtonsBarredByBA[] = {
    IDM_EDIT_ADD,      IDM_EDIT_EDIT, IDM_EDIT_REMOVE, IDM_FILE_OUTPUT_LIST, IDM_EDIT_ACTIVATE,  IDM_HELP_CONTENTS,
    IDM_FILE_OPEN,     IDM_FILE_NEW,  IDM_EDIT_FIND,   IDM_EDIT_FIND_NEXT,   IDM_OPT_PREFIX,
};
constexpr int kSpeedButtonCommands[] = {
    IDM_FILE_NEW,   IDM_FILE_OPEN,  IDM_EDIT_ADD,         IDM_EDIT_EDIT,     IDM_EDIT_REMOVE, IDM_EDIT_ACTIVATE,
    IDM_EDIT_FIND,  IDM_EDIT_FIND_NEXT, IDM_OPT_PREFIX,   IDM_FILE_OUTPUT_LIST, IDM_HELP_CONTENTS, IDM_FILE_EXIT,
};

template <std::size_t N>
bool Contains(const int (&ids)[N], int id) {
  return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

// Finds the menu holding the popup entry whose submenu contains childId; returns
// that menu and the entry's position.
bool FindSubmenuEntry(HMENU menu, int childId, HMENU& parent, int& position) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    HMENU sub = GetSubMenu(menu, i);
    if (sub == nullptr) continue;
    if (GetMenuState(sub, static_cast<UINT>(childId), MF_BYCOMMAND) != static_cast<UINT>(-1)) {
      // The entry is directly in sub, or deeper.
      for (int j = 0; j < GetMenuItemCount(sub); ++j) {
        if (GetMenuItemID(sub, j) == static_cast<UINT>(childId)) {
          parent = menu;
          position = i;
          return true;
        }
      }
      return FindSubmenuEntry(sub, childId, parent, position);
    }
  }
  return false;
}

void EnableSubmenuOf(HMENU root, int childId, bool enable) {
  HMENU parent = nullptr;
  int position = 0;
  if (FindSubmenuEntry(root, childId, parent, position))
    EnableMenuItem(parent, static_cast<UINT>(position), MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED));
}

// Whether a command may run now: built, not barred by a restricted mode, and
// (Find Next) with something to find.
bool CommandAllowed(int id, const AppState& state, const ListFinder& finder) {
  if (!Contains(kAvailableCommands, id)) return false;
  if (state.restrictedB && Contains(kBarredByB, id)) return false;
  if (state.restrictedBA && Contains(kBarredByBA, id)) return false;
  if ((state.restrictedB || state.restrictedBA) && Contains(kSpellCheckerEntries, id)) return false;
  if (id == IDM_FILE_HIDE) return state.settings.useTray;
  if (id == IDM_EDIT_FIND_NEXT) return finder.CanFindNext();
  return true;
}

void CheckMenu(HWND window, int id, bool checked) {
  CheckMenuItem(GetMenu(window), static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

// Every command entry of a menu tree, depth first.
template <typename Visit>
void ForEachCommand(HMENU menu, Visit visit) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    if (HMENU sub = GetSubMenu(menu, i)) {
      ForEachCommand(sub, visit);
    } else {
      const UINT id = GetMenuItemID(menu, i);
      if (id != 0 && id != static_cast<UINT>(-1)) visit(menu, static_cast<int>(id));
    }
  }
}

}  // namespace

void TMainWin::SetMenuChecks() {
  const Settings& s = state_.settings;
  CheckMenu(window_, IDM_OPT_CLOSE_BUTTON, s.useClose);
  CheckMenu(window_, IDM_TOOLS_AMERICAN, s.americanDictionary);
  CheckMenu(window_, IDM_TOOLS_BRITISH, !s.americanDictionary);
  CheckMenu(window_, IDM_OPT_COUNTER, s.useCounterColumn);
  CheckMenu(window_, IDM_OPT_SOLITARY, s.solitaryUsage);
  CheckMenu(window_, IDM_OPT_CASE_FIRST, s.caseSensative == kCaseFirstCharacter);
  CheckMenu(window_, IDM_OPT_CASE_EXACT, s.caseSensative == kCaseExact);
  CheckMenu(window_, IDM_OPT_CASE_NONE, s.caseSensative == kCaseNone);
  CheckMenu(window_, IDM_OPT_TRAY, s.useTray);
  CheckMenu(window_, IDM_OPT_CLIP_ALL, s.clipSetting == kClipClipboardForAll);
  CheckMenu(window_, IDM_OPT_KEYS_ALL, s.clipSetting == kClipKeyboardForAll);
  CheckMenu(window_, IDM_OPT_INDIVIDUAL, s.clipSetting == kClipIndividual);
  if (taskIcon_) taskIcon_->SetActive(s.useTray);
}

void TMainWin::ApplyMenuAvailability() {
  for (HMENU root : {GetMenu(window_), trayPopup_, listPopup_}) {
    if (root == nullptr) continue;
    ForEachCommand(root, [&](HMENU menu, int id) {
      EnableMenuItem(menu, static_cast<UINT>(id),
                     MF_BYCOMMAND | (CommandAllowed(id, state_, finder_) ? MF_ENABLED : MF_GRAYED));
    });
  }
  if (speedButtons_) {
    for (int id : kSpeedButtonCommands) {
      const bool barred = (state_.restrictedB && Contains(kButtonsBarredByB, id)) ||
                          (state_.restrictedBA && Contains(kButtonsBarredByBA, id));
      speedButtons_->Enable(id, !barred && CommandAllowed(id, state_, finder_));
    }
  }
  HMENU main = GetMenu(window_);
  if (state_.restrictedB)
    for (int child : kSubmenusBarredByB) EnableSubmenuOf(main, child, false);
  if (state_.restrictedBA)
    for (int child : kSubmenusBarredByBA) EnableSubmenuOf(main, child, false);
  DrawMenuBar(window_);
}

void TMainWin::OnCommand(int id) {
  if (!CommandAllowed(id, state_, finder_)) return;
  switch (id) {
    case IDM_EDIT_ADD:
    case IDM_POP_ADD:
      RunAddCommand(*this);
      break;
    case IDM_EDIT_EDIT:
    case IDM_POP_EDIT:
      RunModifyCommand(*this);
      break;
    case IDM_EDIT_REMOVE:
    case IDM_POP_DELETE:
      RunDeleteCommand(*this);
      break;
    case IDM_EDIT_ACTIVATE:
    case IDM_POP_ACTIVATE:
      RunActivateCommand(*this);
      break;
    case IDM_EDIT_FIND:
      MenuFindClick();
      break;
    case IDM_EDIT_FIND_NEXT:
      FindNext();
      break;
    case IDM_FILE_EXIT:
    case IDM_TRAY_TERMINATE:
      PostMessageA(window_, WM_CLOSE, 0, 0);
      break;
    case IDM_FILE_NEW:
      DoNew();
      break;
    case IDM_FILE_OPEN:
      DoOpen();
      break;
    case IDM_FILE_HIDE:
      HideToTray();
      break;
    case IDM_TRAY_OPEN:
      ActivateMe();
      break;
    case IDM_TOOLS_RESTORE_HOOKS:
      RestoreKeyboardHooksClick();
      break;
    case IDM_TRAY_RESTORE_HOOKS:
      ReinstallHook();
      break;
    case IDM_HELP_CONTENTS:
    case IDM_TRAY_HELP:
      DoHelp();
      break;
    case IDM_TRAY_HOME_PAGE:
      ShowHomePage(window_, state_.programDir);
      break;
    case IDM_HELP_ABOUT:
    case IDM_TRAY_ABOUT:
      RunAbout(window_, state_.dialogs.about, state_.dialogScale);
      break;
    case IDM_HELP_MANUAL:
      RunUserM(window_, state_.dialogs.userManual, state_.programDir + "\\" + kManualFileName);
      break;
    case IDM_OPT_TRAY:
      MenuSysTrayClick();
      break;
    case IDM_OPT_NETWORK:
      MenuNetworkClick();
      break;
    case IDM_OPT_PREFIX:
      MenuPrefixClick();
      break;
    case IDM_FILE_OUTPUT_LIST:
      DoOutput();
      break;
    case IDM_FILE_IMPORT_DELIMITED:
      MenuImportAsciiClick();
      break;
    case IDM_FILE_IMPORT_TEXT:
      MenuImportTextClick();
      break;
    case IDM_FILE_EXPORT_TEXT:
      MenuExportClick();
      break;
    case IDM_FILE_PRINT_LIST:
      MenuPrintClick();
      break;
    case IDM_FILE_PRINTER_FONT:
      MenuPFontClick();
      break;
    case IDM_FILE_PRINTER_SETUP:
      MenuPSetupClick();
      break;
    case IDM_TOOLS_AMERICAN:
      MenuAmericanClick();
      break;
    case IDM_TOOLS_BRITISH:
      MenuBritishClick();
      break;
    case IDM_TOOLS_ADD_WORD:
      MenuAddDictClick();
      break;
    case IDM_TOOLS_EXCLUDE_WORD:
      MenuExcludeDictClick();
      break;
    default:
      if (id >= IDM_FILE_RECENT1 && id <= IDM_FILE_RECENT5) {
        // Copy: switching files rewrites the list the path comes from.
        const std::string path = state_.settings.lastFiles[static_cast<std::size_t>(id - IDM_FILE_RECENT1)];
        if (!path.empty()) OpenSaveFile(path);
      } else {
        ToggleOption(id);
      }
      break;
  }
}

void TMainWin::ToggleOption(int id) {
  Settings& s = state_.settings;
  switch (id) {
    case IDM_OPT_SOLITARY: s.solitaryUsage = !s.solitaryUsage; break;
    case IDM_OPT_COUNTER:
      s.useCounterColumn = !s.useCounterColumn;
      FillList();
      break;
    case IDM_OPT_CASE_FIRST: s.caseSensative = kCaseFirstCharacter; break;
    case IDM_OPT_CASE_EXACT: s.caseSensative = kCaseExact; break;
    case IDM_OPT_CASE_NONE: s.caseSensative = kCaseNone; break;
    case IDM_OPT_CLIP_ALL: s.clipSetting = kClipClipboardForAll; break;
    case IDM_OPT_KEYS_ALL: s.clipSetting = kClipKeyboardForAll; break;
    case IDM_OPT_INDIVIDUAL: s.clipSetting = kClipIndividual; break;
    case IDM_OPT_CLOSE_BUTTON: s.useClose = !s.useClose; break;
    default: return;
  }
  SetMenuChecks();
  SaveSettingsTelling(window_, state_, profiles_);
}

void TMainWin::MenuSysTrayClick() {
  Settings& s = state_.settings;
  if (!s.useTray && !newShell_) {
    ShowMessage(window_, "System Tray Icons are only available for Windows 95 or later or Windows NT 4.0 or later.",
                "Error");
    SaveSettingsTelling(window_, state_, profiles_);
    return;
  }
  s.useTray = !s.useTray;
  SetMenuChecks();
  ApplyMenuAvailability();
  SaveSettingsTelling(window_, state_, profiles_);
}

}  // namespace wordsnap
