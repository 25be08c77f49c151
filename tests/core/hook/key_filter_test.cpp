#include "core/hook/key_filter.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace wordsnap::hook {
namespace {

constexpr unsigned kLetterA = 0x41;
constexpr std::uintptr_t kEditor = 100;
constexpr std::uintptr_t kMailer = 200;

KeyEvent Down(unsigned key, std::uintptr_t foreground = kEditor) { return {key, true, false, foreground}; }
KeyEvent Up(unsigned key) { return {key, false, false, kEditor}; }
KeyEvent OursDown(unsigned key) { return {key, true, true, kEditor}; }

// Feeds the events (not in use) and returns the decision on the last one.
KeyDecision Feed(KeyFilter& filter, std::initializer_list<KeyEvent> events) {
  KeyDecision last;
  for (const KeyEvent& event : events) last = filter.OnKey(event, false);
  return last;
}

TEST(KeyFilter, ClassifiesKeysWithTheModifiersHeld) {
  struct Case {
    const char* what;
    std::initializer_list<unsigned> held;
    unsigned key;
    KeyAction expected;
  };
  const Case cases[] = {
      {"letter", {}, kLetterA, KeyAction::Translate},
      {"shifted letter", {vk::kLeftShift}, kLetterA, KeyAction::Translate},
      {"Escape", {}, vk::kEscape, KeyAction::Reset},
      {"Left", {}, vk::kLeft, KeyAction::Reset},
      {"Right", {}, vk::kRight, KeyAction::Reset},
      {"Up", {}, vk::kUp, KeyAction::Reset},
      {"Down", {}, vk::kDown, KeyAction::Reset},
      {"Home", {}, vk::kHome, KeyAction::Reset},
      {"End", {}, vk::kEnd, KeyAction::Reset},
      {"Page Up", {}, vk::kPrior, KeyAction::Reset},
      {"Page Down", {}, vk::kNext, KeyAction::Reset},
      {"Insert", {}, vk::kInsert, KeyAction::Reset},
      {"Delete", {}, vk::kDelete, KeyAction::Reset},
      {"Shift+Left selects", {vk::kRightShift}, vk::kLeft, KeyAction::Reset},
      {"Ctrl shortcut", {vk::kLeftControl}, kLetterA, KeyAction::Reset},
      {"right Ctrl shortcut", {vk::kRightControl}, kLetterA, KeyAction::Reset},
      {"Alt shortcut", {vk::kLeftMenu}, kLetterA, KeyAction::Reset},
      {"generic Ctrl from keybd_event", {vk::kControl}, kLetterA, KeyAction::Reset},
      {"AltGr as left Ctrl and right Alt", {vk::kLeftControl, vk::kRightMenu}, kLetterA, KeyAction::Translate},
      {"Ctrl+Alt", {vk::kLeftControl, vk::kLeftMenu}, kLetterA, KeyAction::Translate},
      {"Windows key shortcut", {vk::kLeftWin}, kLetterA, KeyAction::Reset},
      {"right Windows key shortcut", {vk::kRightWin}, kLetterA, KeyAction::Reset},
      {"Shift alone", {}, vk::kLeftShift, KeyAction::Nothing},
      {"Ctrl alone", {}, vk::kRightControl, KeyAction::Nothing},
      {"Alt alone", {}, vk::kLeftMenu, KeyAction::Nothing},
      {"Windows key alone", {}, vk::kLeftWin, KeyAction::Nothing},
      {"Caps Lock", {}, vk::kCapital, KeyAction::Nothing},
      {"Num Lock", {}, vk::kNumLock, KeyAction::Nothing},
      {"Scroll Lock", {}, vk::kScroll, KeyAction::Nothing},
  };
  for (const Case& c : cases) {
    KeyFilter filter(false, kEditor);
    for (unsigned key : c.held) filter.OnKey(Down(key), false);
    const KeyDecision decision = filter.OnKey(Down(c.key), false);
    EXPECT_EQ(decision.action, c.expected) << c.what;
    EXPECT_FALSE(decision.resetFirst) << c.what;
  }
}

TEST(KeyFilter, KeyUpsReportNothing) {
  KeyFilter filter(false, kEditor);
  EXPECT_EQ(Feed(filter, {Down(kLetterA), Up(kLetterA)}).action, KeyAction::Nothing);
  EXPECT_EQ(Feed(filter, {Up(vk::kEscape)}).action, KeyAction::Nothing);
}

TEST(KeyFilter, ReleasedModifiersNoLongerCount) {
  KeyFilter filter(false, kEditor);
  EXPECT_EQ(Feed(filter, {Down(vk::kLeftControl), Up(vk::kLeftControl), Down(kLetterA)}).action,
            KeyAction::Translate);
  // Either Shift keeps the shift down while the other is released.
  Feed(filter, {Down(vk::kLeftShift), Down(vk::kRightShift), Up(vk::kLeftShift)});
  EXPECT_TRUE(filter.Modifiers().shift);
  Feed(filter, {Up(vk::kRightShift)});
  EXPECT_FALSE(filter.Modifiers().shift);
  // A held Alt's auto-repeat does not end it; its release does.
  Feed(filter, {Down(vk::kLeftMenu), Down(vk::kLeftMenu)});
  EXPECT_TRUE(filter.Modifiers().alt);
  EXPECT_EQ(Feed(filter, {Up(vk::kLeftMenu), Down(kLetterA)}).action, KeyAction::Translate);
}

TEST(KeyFilter, CapsLockTogglesOncePerPress) {
  KeyFilter filter(true, kEditor);
  EXPECT_TRUE(filter.Modifiers().capsLock);
  // A held Caps Lock repeats its key-down; the light changes once.
  Feed(filter, {Down(vk::kCapital), Down(vk::kCapital), Down(vk::kCapital)});
  EXPECT_FALSE(filter.Modifiers().capsLock);
  Feed(filter, {Up(vk::kCapital), Down(vk::kCapital), Up(vk::kCapital)});
  EXPECT_TRUE(filter.Modifiers().capsLock);
}

TEST(KeyFilter, SimulatedAndInUseKeysStillMoveTheKeyboardState) {
  // The application sees the program's own Shift and Caps Lock too.
  KeyFilter filter(false, kEditor);
  filter.OnKey(OursDown(vk::kShift), false);
  filter.OnKey(OursDown(vk::kCapital), false);
  EXPECT_TRUE(filter.Modifiers().shift);
  EXPECT_TRUE(filter.Modifiers().capsLock);
  filter.OnKey(Up(vk::kShift), true);
  filter.OnKey(Up(vk::kCapital), true);
  filter.OnKey(Down(vk::kCapital), true);
  EXPECT_FALSE(filter.Modifiers().shift);
  EXPECT_FALSE(filter.Modifiers().capsLock);
}

TEST(KeyFilter, OwnMarkedKeysAreNeverTyping) {
  KeyFilter filter(false, kEditor);
  for (unsigned key : {kLetterA, unsigned{vk::kEscape}, unsigned{vk::kLeft}, unsigned{vk::kExecute}}) {
    EXPECT_EQ(filter.OnKey(OursDown(key), false).action, KeyAction::Nothing) << key;
  }
  EXPECT_EQ(filter.OnMouseButton(true, false), KeyAction::Nothing);
}

TEST(KeyFilter, InUseOnlyTheEndOfReplayKeyCounts) {
  KeyFilter filter(false, kEditor);
  for (const KeyEvent& key : {Down(kLetterA), Down(vk::kEscape), Down(vk::kLeft, kMailer), OursDown(kLetterA),
                              Up(vk::kExecute)}) {
    EXPECT_EQ(filter.OnKey(key, true).action, KeyAction::Nothing) << key.virtualKey;
  }
  EXPECT_EQ(filter.OnMouseButton(false, true), KeyAction::Nothing);
  // Only the program's own end-of-replay key ends the replay, not one that merely looks like it.
  EXPECT_EQ(filter.OnKey(Down(vk::kExecute), true).action, KeyAction::Nothing);
  EXPECT_EQ(filter.OnKey(OursDown(vk::kExecute), true).action, KeyAction::BusyEnd);
  // Outside a replay it is just a key that types nothing.
  EXPECT_EQ(filter.OnKey(Down(vk::kExecute), false).action, KeyAction::Translate);
}

TEST(KeyFilter, MouseButtonResets) {
  KeyFilter filter(false, kEditor);
  EXPECT_EQ(filter.OnMouseButton(false, false), KeyAction::Reset);
}

TEST(KeyFilter, FirstKeyInAnotherWindowResetsFirst) {
  KeyFilter filter(false, kEditor);
  EXPECT_FALSE(filter.OnKey(Down(kLetterA), false).resetFirst);

  // Modifiers and keys during a replay leave the change for the next typed key.
  filter.OnKey(Down(vk::kLeftShift, kMailer), false);
  filter.OnKey(Down(kLetterA, kMailer), true);
  const KeyDecision first = filter.OnKey(Down(kLetterA, kMailer), false);
  EXPECT_EQ(first.action, KeyAction::Translate);
  EXPECT_TRUE(first.resetFirst);
  EXPECT_FALSE(filter.OnKey(Down(kLetterA, kMailer), false).resetFirst);

  // A key that resets anyway needs no second reset.
  const KeyDecision back = filter.OnKey(Down(vk::kEscape, kEditor), false);
  EXPECT_EQ(back.action, KeyAction::Reset);
  EXPECT_FALSE(back.resetFirst);
  EXPECT_FALSE(filter.OnKey(Down(kLetterA, kEditor), false).resetFirst);
}

}  // namespace
}  // namespace wordsnap::hook
