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
      {"letter", {}, kLetterA, KeyAction::kTranslate},
      {"shifted letter", {vk::kLeftShift}, kLetterA, KeyAction::kTranslate},
      {"Escape", {}, vk::kEscape, KeyAction::kReset},
      {"Left", {}, vk::kLeft, KeyAction::kReset},
      {"Right", {}, vk::kRight, KeyAction::kReset},
      {"Up", {}, vk::kUp, KeyAction::kReset},
      {"Down", {}, vk::kDown, KeyAction::kReset},
      {"Home", {}, vk::kHome, KeyAction::kReset},
      {"End", {}, vk::kEnd, KeyAction::kReset},
      {"Page Up", {}, vk::kPrior, KeyAction::kReset},
      {"Page Down", {}, vk::kNext, KeyAction::kReset},
      {"Insert", {}, vk::kInsert, KeyAction::kReset},
      {"Delete", {}, vk::kDelete, KeyAction::kReset},
      {"Shift+Left selects", {vk::kRightShift}, vk::kLeft, KeyAction::kReset},
      {"Ctrl shortcut", {vk::kLeftControl}, kLetterA, KeyAction::kReset},
      {"right Ctrl shortcut", {vk::kRightControl}, kLetterA, KeyAction::kReset},
      {"Alt shortcut", {vk::kLeftMenu}, kLetterA, KeyAction::kReset},
      {"generic Ctrl from keybd_event", {vk::kControl}, kLetterA, KeyAction::kReset},
      {"AltGr as left Ctrl and right Alt", {vk::kLeftControl, vk::kRightMenu}, kLetterA, KeyAction::kTranslate},
      {"Ctrl+Alt", {vk::kLeftControl, vk::kLeftMenu}, kLetterA, KeyAction::kTranslate},
      {"Windows key shortcut", {vk::kLeftWin}, kLetterA, KeyAction::kReset},
      {"right Windows key shortcut", {vk::kRightWin}, kLetterA, KeyAction::kReset},
      {"Shift alone", {}, vk::kLeftShift, KeyAction::kNothing},
      {"Ctrl alone", {}, vk::kRightControl, KeyAction::kNothing},
      {"Alt alone", {}, vk::kLeftMenu, KeyAction::kNothing},
      {"Windows key alone", {}, vk::kLeftWin, KeyAction::kNothing},
      {"Caps Lock", {}, vk::kCapital, KeyAction::kNothing},
      {"Num Lock", {}, vk::kNumLock, KeyAction::kNothing},
      {"Scroll Lock", {}, vk::kScroll, KeyAction::kNothing},
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
  EXPECT_EQ(Feed(filter, {Down(kLetterA), Up(kLetterA)}).action, KeyAction::kNothing);
  EXPECT_EQ(Feed(filter, {Up(vk::kEscape)}).action, KeyAction::kNothing);
}

TEST(KeyFilter, ReleasedModifiersNoLongerCount) {
  KeyFilter filter(false, kEditor);
  EXPECT_EQ(Feed(filter, {Down(vk::kLeftControl), Up(vk::kLeftControl), Down(kLetterA)}).action,
            KeyAction::kTranslate);
  // Either Shift keeps the shift down while the other is released.
  Feed(filter, {Down(vk::kLeftShift), Down(vk::kRightShift), Up(vk::kLeftShift)});
  EXPECT_TRUE(filter.Modifiers().shift);
  Feed(filter, {Up(vk::kRightShift)});
  EXPECT_FALSE(filter.Modifiers().shift);
  // A held Alt's auto-repeat does not end it; its release does.
  Feed(filter, {Down(vk::kLeftMenu), Down(vk::kLeftMenu)});
  EXPECT_TRUE(filter.Modifiers().alt);
  EXPECT_EQ(Feed(filter, {Up(vk::kLeftMenu), Down(kLetterA)}).action, KeyAction::kTranslate);
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
    EXPECT_EQ(filter.OnKey(OursDown(key), false).action, KeyAction::kNothing) << key;
  }
  EXPECT_EQ(filter.OnMouseButton(true, false), KeyAction::kNothing);
}

TEST(KeyFilter, InUseOnlyTheEndOfReplayKeyCounts) {
  KeyFilter filter(false, kEditor);
  for (const KeyEvent& key : {Down(kLetterA), Down(vk::kEscape), Down(vk::kLeft, kMailer), OursDown(kLetterA),
                              Up(vk::kExecute)}) {
    EXPECT_EQ(filter.OnKey(key, true).action, KeyAction::kNothing) << key.virtualKey;
  }
  EXPECT_EQ(filter.OnMouseButton(false, true), KeyAction::kNothing);
  // Only the program's own end-of-replay key ends the replay, not one that merely looks like it.
  EXPECT_EQ(filter.OnKey(Down(vk::kExecute), true).action, KeyAction::kNothing);
  EXPECT_EQ(filter.OnKey(OursDown(vk::kExecute), true).action, KeyAction::kBusyEnd);
  // Outside a replay it is just a key that types nothing.
  EXPECT_EQ(filter.OnKey(Down(vk::kExecute), false).action, KeyAction::kTranslate);
}

TEST(KeyFilter, MouseButtonResets) {
  KeyFilter filter(false, kEditor);
  EXPECT_EQ(filter.OnMouseButton(false, false), KeyAction::kReset);
}

TEST(KeyFilter, FirstKeyInAnotherWindowResetsFirst) {
  KeyFilter filter(false, kEditor);
  EXPECT_FALSE(filter.OnKey(Down(kLetterA), false).resetFirst);

  // Modifiers and keys during a replay leave the change for the next typed key.
  filter.OnKey(Down(vk::kLeftShift, kMailer), false);
  filter.OnKey(Down(kLetterA, kMailer), true);
  const KeyDecision first = filter.OnKey(Down(kLetterA, kMailer), false);
  EXPECT_EQ(first.action, KeyAction::kTranslate);
  EXPECT_TRUE(first.resetFirst);
  EXPECT_FALSE(filter.OnKey(Down(kLetterA, kMailer), false).resetFirst);

  // A key that resets anyway needs no second reset.
  const KeyDecision back = filter.OnKey(Down(vk::kEscape, kEditor), false);
  EXPECT_EQ(back.action, KeyAction::kReset);
  EXPECT_FALSE(back.resetFirst);
  EXPECT_FALSE(filter.OnKey(Down(kLetterA, kEditor), false).resetFirst);
}

}  // namespace
}  // namespace wordsnap::hook
