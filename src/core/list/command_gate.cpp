#include "core/list/command_gate.h"

#include <algorithm>
#include <iterator>

namespace wordsnap {
namespace {

using C = GatedCommand;

constexpr C kMenuBarredByB[] = {
    C::NewFile, C::Remove, C::Add,  C::Activate,     C::Edit, C::ImportDelimited, C::ImportText,
    C::Network, C::SpellChecker,    C::CaseDefaults, C::Find, C::FindNext,        C::PrefixKeys,
};

constexpr C kMenuBarredByBA[] = {
    C::Remove,       C::Add,          C::NewFile,         C::OpenFile,   C::RecentFile,  C::Activate,
    C::OutputList,   C::Edit,         C::SolitaryUsage,   C::CaseDefaults, C::HowToExecute, C::ImportDelimited,
    C::ExportText,   C::ImportText,   C::PlaceInTray,     C::Network,    C::SpellChecker, C::RestoreHooks,
    C::PrefixKeys,   C::Find,         C::FindNext,        C::DisplayCounter,
};

constexpr C kButtonsBarredByB[] = {
    C::Add, C::Edit, C::Remove, C::Activate, C::HelpContents, C::OpenFile, C::NewFile, C::Find, C::FindNext,
    C::PrefixKeys,
};

constexpr C kButtonsBarredByBA[] = {
    C::Add,     C::Edit, C::Remove, C::OutputList, C::Activate,  C::HelpContents,
    C::OpenFile, C::NewFile, C::Find, C::FindNext, C::PrefixKeys,
};

template <std::size_t N>
bool Contains(const C (&commands)[N], C command) {
  return std::find(std::begin(commands), std::end(commands), command) != std::end(commands);
}

}  // namespace

bool CommandEnabled(GatedCommand command, CommandPlace place, const CommandGateState& state) {
  const bool onMenu = place == CommandPlace::Menu;
  if (state.restrictedB && (onMenu ? Contains(kMenuBarredByB, command) : Contains(kButtonsBarredByB, command))) {
    return false;
  }
  if (state.restrictedBA && (onMenu ? Contains(kMenuBarredByBA, command) : Contains(kButtonsBarredByBA, command))) {
    return false;
  }
  switch (command) {
    case C::Hide: return state.useTray;
    case C::FindNext: return state.canFindNext;
    default: return true;
  }
}

}  // namespace wordsnap
