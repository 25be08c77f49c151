#pragma once
// Which commands of the main window are available now. The restricted modes
// "/B" and "/BA" bar their lists of menu entries and speed buttons (the two lists
// differ: "/B" bars the Help and Open File buttons but not their entries), "&Hide"
// needs the tray and Find Next a search text. A command named nowhere here is
// always available, so a command added later is never greyed by omission.

namespace wordsnap {

enum class GatedCommand {
  Other,  // any command without a rule of its own: always available
  NewFile,
  OpenFile,
  RecentFile,       // each of the five recent-file entries
  ImportDelimited,
  ImportText,
  ExportText,
  OutputList,
  Hide,
  Add,              // menu entry, list menu entry and speed button alike
  Edit,
  Remove,
  Activate,
  Find,
  FindNext,
  PrefixKeys,
  Network,
  DisplayCounter,
  SolitaryUsage,
  CaseDefaults,     // the entries of the "&Case Sensitive Defaults" submenu
  HowToExecute,     // the entries of the "&How To Execute" submenu
  PlaceInTray,
  SpellChecker,     // the entries of the "&Spell Checker" submenu
  RestoreHooks,     // the Tools menu's entry (the tray menu's own stays available)
  HelpContents,
};

// Where the command is offered: the menus (main, list and tray menus) or the toolbar.
enum class CommandPlace { Menu, SpeedButton };

struct CommandGateState {
  bool restrictedB = false;
  bool restrictedBA = false;
  bool useTray = false;
  bool canFindNext = false;  // there is a search text
};

bool CommandEnabled(GatedCommand command, CommandPlace place, const CommandGateState& state);

}  // namespace wordsnap
