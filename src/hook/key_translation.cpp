#include "key_translation.h"

#include <array>

namespace wordsnap::hook {

namespace {

// Leaves the kernel's keyboard state (a waiting dead key) as it is.
constexpr UINT kKeepKeyboardState = 0x4;

char16_t ComposeWithWindows(char16_t base, char16_t combiningMark) {
  const wchar_t pair[2] = {static_cast<wchar_t>(base), static_cast<wchar_t>(combiningMark)};
  wchar_t composed[2] = {};
  if (FoldStringW(MAP_PRECOMPOSED, pair, 2, composed, 2) != 1) return 0;
  return static_cast<char16_t>(composed[0]);
}

char ToAnsi(wchar_t character) {
  char bytes[4] = {};
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &character, 1, bytes,
                                         sizeof bytes, nullptr, &usedDefault);
  return length == 1 && !usedDefault ? bytes[0] : kUnrepresentableCharacter;
}

std::string ToAnsi(const std::u16string& text) {
  std::string ansi;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDFFF) {
      // Outside the basic plane: no ANSI code page holds it; one report per pair.
      ansi += kUnrepresentableCharacter;
      if (unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) ++i;
      continue;
    }
    ansi += ToAnsi(static_cast<wchar_t>(unit));
  }
  return ansi;
}

std::array<BYTE, 256> KeyStateOf(const ModifierState& modifiers) {
  std::array<BYTE, 256> state{};
  constexpr BYTE kDown = 0x80;
  if (modifiers.shift) state[VK_SHIFT] = state[VK_LSHIFT] = kDown;
  if (modifiers.control) state[VK_CONTROL] = state[VK_LCONTROL] = kDown;
  if (modifiers.alt) state[VK_MENU] = state[VK_LMENU] = kDown;
  if (modifiers.capsLock) state[VK_CAPITAL] = 0x01;
  return state;
}

}  // namespace

HKL LayoutOfWindow(HWND window) noexcept {
  const DWORD thread = window != nullptr ? GetWindowThreadProcessId(window, nullptr) : 0;
  return GetKeyboardLayout(thread);
}

KeyTranslator::KeyTranslator() noexcept : composer_(ComposeWithWindows) {}

TypedText KeyTranslator::Translate(const KBDLLHOOKSTRUCT& key, const ModifierState& modifiers,
                                   HKL layout) {
  if (key.vkCode == VK_PACKET) {
    // A character sent as such (on-screen keyboards, input methods): it rides in the scan code.
    const std::u16string typed(1, static_cast<char16_t>(key.scanCode));
    return {true, ToAnsi(composer_.OnCharacters(typed))};
  }
  const std::array<BYTE, 256> state = KeyStateOf(modifiers);
  wchar_t buffer[8] = {};
  const int count = ToUnicodeEx(key.vkCode, key.scanCode, state.data(), buffer,
                                static_cast<int>(std::size(buffer)), kKeepKeyboardState, layout);
  if (count < 0) return {true, ToAnsi(composer_.OnDeadKey(static_cast<char16_t>(buffer[0])))};
  if (count == 0) {
    composer_.Clear();
    return {};
  }
  std::u16string typed;
  for (int i = 0; i < count && i < static_cast<int>(std::size(buffer)); ++i) {
    typed += static_cast<char16_t>(buffer[i]);
  }
  return {true, ToAnsi(composer_.OnCharacters(typed))};
}

}  // namespace wordsnap::hook
