// The main window's menus: check marks from the settings, which entries are
// available (the command gate's rules), and the option toggles.
#include "About.h"
#include "HelpWindow.h"
#include "MainWin.h"
#include "SettingsSave.h"
#include "MessageBoxes.h"
#include "UserM.h"
#include "core/list/command_gate.h"
#include "core/list/list_command_flow.h"
#include "core/version.h"
#include "core/settings/settings_file.h"
#include "resource.h"

namespace wordsnap {
namespace {

// The rule each command's availability follows. A command left out here has
// none and is always available.
GatedCommand GateOf(int id) {
  if (id >= IDM_FILE_RECENT1 && id <= IDM_FILE_RECENT5) return GatedCommand::RecentFile;
  switch (id) {
    case IDM_FILE_NEW: return GatedCommand::NewFile;
    case IDM_FILE_OPEN: return GatedCommand::OpenFile;
    case IDM_FILE_IMPORT_DELIMITED: return GatedCommand::ImportDelimited;
    case IDM_FILE_IMPORT_TEXT: return GatedCommand::ImportText;
    case IDM_FILE_EXPORT_TEXT: return GatedCommand::ExportText;
    case IDM_FILE_OUTPUT_LIST: return GatedCommand::OutputList;
    case IDM_FILE_HIDE: return GatedCommand::Hide;
    case IDM_EDIT_ADD:
    case IDM_POP_ADD: return GatedCommand::Add;
    case IDM_EDIT_EDIT:
    case IDM_POP_EDIT: return GatedCommand::Edit;
    case IDM_EDIT_REMOVE:
    case IDM_POP_DELETE: return GatedCommand::Remove;
    case IDM_EDIT_ACTIVATE:
    case IDM_POP_ACTIVATE: return GatedCommand::Activate;
    case IDM_EDIT_FIND: return GatedCommand::Find;
    case IDM_EDIT_FIND_NEXT: return GatedCommand::FindNext;
    case IDM_OPT_PREFIX: return GatedCommand::PrefixKeys;
    case IDM_OPT_NETWORK: return GatedCommand::Network;
    case IDM_OPT_COUNTER: return GatedCommand::DisplayCounter;
    case IDM_OPT_SOLITARY: return GatedCommand::SolitaryUsage;
    case IDM_OPT_CASE_FIRST:
    case IDM_OPT_CASE_EXACT:
    case IDM_OPT_CASE_NONE: return GatedCommand::CaseDefaults;
    case IDM_OPT_CLIP_ALL:
    case IDM_OPT_KEYS_ALL:
    case IDM_OPT_INDIVIDUAL: return GatedCommand::HowToExecute;
    case IDM_OPT_TRAY: return GatedCommand::PlaceInTray;
    case IDM_TOOLS_AMERICAN:
    case IDM_TOOLS_BRITISH:
    case IDM_TOOLS_ADD_WORD:
    case IDM_TOOLS_EXCLUDE_WORD: return GatedCommand::SpellChecker;
    case IDM_TOOLS_RESTORE_HOOKS: return GatedCommand::RestoreHooks;
    case IDM_HELP_CONTENTS: return GatedCommand::HelpContents;
    default: return GatedCommand::Other;
  }
}

constexpr int kSpeedButtonCommands[] = {
    IDM_FILE_NEW,   IDM_FILE_OPEN,  IDM_EDIT_ADD,         IDM_EDIT_EDIT,     IDM_EDIT_REMOVE, IDM_EDIT_ACTIVATE,
    IDM_EDIT_FIND,  IDM_EDIT_FIND_NEXT, IDM_OPT_PREFIX,   IDM_FILE_OUTPUT_LIST, IDM_HELP_CONTENTS, IDM_FILE_EXIT,
};

CommandGateState GateState(const AppState& state, const ListFinder& finder) {
  return {state.restrictedB, state.restrictedBA, state.settings.useTray, finder.CanFindNext()};
}

// Whether a command may run now, from a menu, the list's menu, the tray's or a shortcut.
bool CommandAllowed(int id, const AppState& state, const ListFinder& finder) {
  return CommandEnabled(GateOf(id), CommandPlace::Menu, GateState(state, finder));
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
  const CommandGateState gate = GateState(state_, finder_);
  for (HMENU root : {GetMenu(window_), trayPopup_, listPopup_}) {
    if (root == nullptr) continue;
    ForEachCommand(root, [&](HMENU menu, int id) {
      EnableMenuItem(menu, static_cast<UINT>(id),
                     MF_BYCOMMAND | (CommandEnabled(GateOf(id), CommandPlace::Menu, gate) ? MF_ENABLED : MF_GRAYED));
    });
  }
  // A submenu inside a menu ("&Spell Checker", "&Case Sensitive Defaults", "&How To
  // Execute") is greyed itself when none of its entries is available.
  if (HMENU main = GetMenu(window_)) {
    for (int top = 0; top < GetMenuItemCount(main); ++top) {
      HMENU menu = GetSubMenu(main, top);
      if (menu == nullptr) continue;
      for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        HMENU sub = GetSubMenu(menu, i);
        if (sub == nullptr) continue;
        bool anyEnabled = false;
        ForEachCommand(sub, [&](HMENU, int id) {
          anyEnabled = anyEnabled || CommandEnabled(GateOf(id), CommandPlace::Menu, gate);
        });
        EnableMenuItem(menu, static_cast<UINT>(i), MF_BYPOSITION | (anyEnabled ? MF_ENABLED : MF_GRAYED));
      }
    }
  }
  if (speedButtons_) {
    for (int id : kSpeedButtonCommands) {
      speedButtons_->Enable(id, CommandEnabled(GateOf(id), CommandPlace::SpeedButton, gate));
    }
  }
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
