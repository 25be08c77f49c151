#include "core/list/command_gate.h"

#include <gtest/gtest.h>

namespace wordsnap {
namespace {

using C = GatedCommand;

CommandGateState Free() { return {false, false, true, true}; }

TEST(CommandGate, RestrictedModesBarTheirMenuEntriesAndSpeedButtons) {
  // Barred: in the menus under /B and /BA, on the toolbar under /B and /BA.
  struct Case {
    C command;
    bool menuB, menuBA, buttonB, buttonBA;
  } cases[] = {
      {C::NewFile, true, true, true, true},
      {C::OpenFile, false, true, true, true},
      {C::RecentFile, false, true, false, false},
      {C::ImportDelimited, true, true, false, false},
      {C::ImportText, true, true, false, false},
      {C::ExportText, false, true, false, false},
      {C::OutputList, false, true, false, true},
      {C::Hide, false, false, false, false},
      {C::Add, true, true, true, true},
      {C::Edit, true, true, true, true},
      {C::Remove, true, true, true, true},
      {C::Activate, true, true, true, true},
      {C::Find, true, true, true, true},
      {C::FindNext, true, true, true, true},
      {C::PrefixKeys, true, true, true, true},
      {C::Network, true, true, false, false},
      {C::DisplayCounter, false, true, false, false},
      {C::SolitaryUsage, false, true, false, false},
      {C::CaseDefaults, true, true, false, false},
      {C::HowToExecute, false, true, false, false},
      {C::PlaceInTray, false, true, false, false},
      {C::SpellChecker, true, true, false, false},
      {C::RestoreHooks, false, true, false, false},
      {C::HelpContents, false, false, true, true},
      {C::Other, false, false, false, false},
  };
  CommandGateState b = Free();
  b.restrictedB = true;
  CommandGateState ba = Free();
  ba.restrictedBA = true;
  CommandGateState both = b;
  both.restrictedBA = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.command));
    EXPECT_TRUE(CommandEnabled(c.command, CommandPlace::Menu, Free()));
    EXPECT_TRUE(CommandEnabled(c.command, CommandPlace::SpeedButton, Free()));
    EXPECT_EQ(CommandEnabled(c.command, CommandPlace::Menu, b), !c.menuB);
    EXPECT_EQ(CommandEnabled(c.command, CommandPlace::Menu, ba), !c.menuBA);
    EXPECT_EQ(CommandEnabled(c.command, CommandPlace::SpeedButton, b), !c.buttonB);
    EXPECT_EQ(CommandEnabled(c.command, CommandPlace::SpeedButton, ba), !c.buttonBA);
    EXPECT_EQ(CommandEnabled(c.command, CommandPlace::Menu, both), !(c.menuB || c.menuBA)) << "both modes at once";
  }
}

TEST(CommandGate, HideNeedsTheTrayAndFindNextASearchText) {
  CommandGateState state = Free();
  state.useTray = false;
  EXPECT_FALSE(CommandEnabled(C::Hide, CommandPlace::Menu, state));
  EXPECT_TRUE(CommandEnabled(C::FindNext, CommandPlace::Menu, state));
  state.canFindNext = false;
  EXPECT_FALSE(CommandEnabled(C::FindNext, CommandPlace::Menu, state));
  EXPECT_FALSE(CommandEnabled(C::FindNext, CommandPlace::SpeedButton, state));
  // Nothing else waits for anything: with no selection, Edit and its kin stay
  // available and say themselves why they cannot run.
  for (C command : {C::Other, C::Add, C::Edit, C::Remove, C::Activate, C::Find, C::HelpContents}) {
    EXPECT_TRUE(CommandEnabled(command, CommandPlace::Menu, CommandGateState{}));
  }
}

}  // namespace
}  // namespace wordsnap
