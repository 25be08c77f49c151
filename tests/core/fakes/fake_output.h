#pragma once
// An OutputSeam for native tests. It records every call in order, keeps a
// simulated clock that moves only when the code waits, answers key scans like a
// US keyboard layout, and plays the keys into a simulated target document the
// way a text box would receive them (Backspace, Shift, Caps Lock, Alt + keypad
// codes, Ctrl+V), so a test can read what the user would see.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/seam/output_seam.h"

namespace wordsnap::fakes {

// VkKeyScanA's answers on a US layout: low byte the key, high byte the shift state.
inline std::int16_t UsLayoutScan(char c) {
  if (c >= 'a' && c <= 'z') return static_cast<std::int16_t>(0x41 + (c - 'a'));
  if (c >= 'A' && c <= 'Z') return static_cast<std::int16_t>(0x100 | (0x41 + (c - 'A')));
  if (c >= '0' && c <= '9') return static_cast<std::int16_t>(0x30 + (c - '0'));
  static const std::map<char, std::int16_t> others = {
      {' ', 0x020},  {'\r', 0x00D}, {'\n', 0x20D}, {'\t', 0x009}, {'\b', 0x008}, {'!', 0x131},
      {'@', 0x132},  {'#', 0x133},  {'$', 0x134},  {'%', 0x135},  {'^', 0x136},  {'&', 0x137},
      {'*', 0x138},  {'(', 0x139},  {')', 0x130},  {';', 0x0BA},  {':', 0x1BA},  {'=', 0x0BB},
      {'+', 0x1BB},  {',', 0x0BC},  {'<', 0x1BC},  {'-', 0x0BD},  {'_', 0x1BD},  {'.', 0x0BE},
      {'>', 0x1BE},  {'/', 0x0BF},  {'?', 0x1BF},  {'`', 0x0C0},  {'~', 0x1C0},  {'[', 0x0DB},
      {'{', 0x1DB},  {'\\', 0x0DC}, {'|', 0x1DC},  {']', 0x0DD},  {'}', 0x1DD},  {'\'', 0x0DE},
      {'"', 0x1DE},
  };
  const auto found = others.find(c);
  return found == others.end() ? std::int16_t{-1} : found->second;
}

class FakeOutput : public OutputSeam {
 public:
  // --- what a test sets up ---
  std::map<char, std::int16_t> layoutOverrides;  // answers that differ from the US layout
  int shiftDownPolls = 0;                        // IsKeyDown(Shift) answers true this many times
  bool clipboardFails = false;
  std::uint32_t wakeEvery = 0xFFFFFFFF;          // a wait ends after at most this long, as if a message came
  std::uint32_t ticks = 1000;                    // the tick count
  LocalDateTime clock{{2001, 3, 5}, 9, 5, 7, 0};  // wall clock; moves with the ticks
  std::string document;                          // the target's text
  bool capsLockOn = false;                       // the target's Caps Lock state

  // --- what a test reads ---
  std::vector<std::string> log;  // "+10" key down, "-10" key up (hex), "pump", "wait 40", "sleep 1", "clip:<text>"
  std::string clipboard;
  int unmarkedKeys = 0;
  int executeKeys = 0;

  // The key events only, a press directly followed by its release written once:
  // "+10 52 -10" is Shift held around R.
  std::string Keys() const { return Joined(false); }

  // The same with the clipboard's settings among them: "clip:Regards 08 +11 56 -11".
  std::string KeysAndClipboard() const { return Joined(true); }

  int Count(const std::string& entry) const {
    int n = 0;
    for (const std::string& e : log) n += e == entry ? 1 : 0;
    return n;
  }

 private:
  std::string Joined(bool withClipboard) const {
    std::vector<std::string> keys;
    for (const std::string& entry : log) {
      if (withClipboard && entry.rfind("clip:", 0) == 0) {
        keys.push_back(entry);
        continue;
      }
      if (entry[0] != '+' && entry[0] != '-') continue;
      if (entry[0] == '-' && !keys.empty() && keys.back() == "+" + entry.substr(1)) {
        keys.back() = entry.substr(1);
      } else {
        keys.push_back(entry);
      }
    }
    std::string joined;
    for (const std::string& key : keys) joined += (joined.empty() ? "" : " ") + key;
    return joined;
  }

 public:
  // --- OutputSeam ---
  std::int16_t KeyScan(char c) override {
    const auto found = layoutOverrides.find(c);
    return found != layoutOverrides.end() ? found->second : UsLayoutScan(c);
  }

  void SendKey(std::uint8_t vk, bool keyUp, bool ours) override {
    char entry[8];
    std::snprintf(entry, sizeof entry, "%c%02X", keyUp ? '-' : '+', vk);
    log.push_back(entry);
    if (!ours) ++unmarkedKeys;
    if (keyUp) {
      KeyUp(vk);
    } else {
      KeyDown(vk);
    }
  }

  bool IsKeyDown(std::uint8_t vk) override {
    if (vk == 0x10 && shiftDownPolls > 0) {
      --shiftDownPolls;
      return true;
    }
    return false;
  }

  std::uint32_t TickCount() override { return ticks; }

  void PumpMessages() override {
    log.push_back("pump");
    if (onPump) onPump();
  }

  void WaitForMessages(std::uint32_t milliseconds) override {
    log.push_back("wait " + std::to_string(milliseconds));
    if (++waits > 100000) throw std::runtime_error("a wait never ends");
    Advance(milliseconds < wakeEvery ? milliseconds : wakeEvery);
  }

  void SleepFor(std::uint32_t milliseconds) override { log.push_back("sleep " + std::to_string(milliseconds)); }

  bool SetClipboardText(const std::string& text) override {
    log.push_back("clip:" + text);
    if (clipboardFails) return false;
    clipboard = text;
    return true;
  }

  LocalDateTime Now() override { return clock; }

  // Called on every PumpMessages, to deliver messages while an expansion plays.
  std::function<void()> onPump;

 private:
  void Advance(std::uint32_t milliseconds) {
    ticks += milliseconds;
    std::int64_t ms = MillisecondOfDay(clock) + static_cast<std::int64_t>(milliseconds);
    const std::int64_t days = ms / kMillisecondsPerDay;
    ms %= kMillisecondsPerDay;
    clock.date = AddDays(clock.date, days);
    clock.hour = static_cast<std::int32_t>(ms / 3600000);
    clock.minute = static_cast<std::int32_t>(ms / 60000 % 60);
    clock.second = static_cast<std::int32_t>(ms / 1000 % 60);
    clock.millisecond = static_cast<std::int32_t>(ms % 1000);
  }

  void KeyDown(std::uint8_t vk) {
    switch (vk) {
      case 0x10: shift_ = true; return;
      case 0x11: control_ = true; return;
      case 0x12: alt_ = true; altDigits_.clear(); return;
      case 0x14: capsLockOn = !capsLockOn; return;
      case 0x08: if (!document.empty()) document.pop_back(); return;
      case 0x2B: ++executeKeys; return;
      default: break;
    }
    if (alt_ && !shift_ && !control_ && vk >= 0x60 && vk <= 0x69) {
      altDigits_ += static_cast<char>('0' + (vk - 0x60));
      return;
    }
    if (control_ && !alt_ && !shift_ && vk == 0x56) {
      document += clipboard;
      return;
    }
    const int state = (shift_ ? 1 : 0) | (control_ ? 2 : 0) | (alt_ ? 4 : 0);
    for (int c = 1; c < 128; ++c) {
      if (KeyScan(static_cast<char>(c)) != static_cast<std::int16_t>((state << 8) | vk)) continue;
      char typed = static_cast<char>(c);
      if (capsLockOn && typed >= 'a' && typed <= 'z') typed = static_cast<char>(typed - 'a' + 'A');
      else if (capsLockOn && typed >= 'A' && typed <= 'Z') typed = static_cast<char>(typed - 'A' + 'a');
      document += typed;
      return;
    }
    document += '?';  // a key the layout gives no character for
  }

  void KeyUp(std::uint8_t vk) {
    switch (vk) {
      case 0x10: shift_ = false; return;
      case 0x11: control_ = false; return;
      case 0x12:
        alt_ = false;
        // Alt + keypad "0nnn" composes the character of code nnn.
        if (!altDigits_.empty()) document += static_cast<char>(std::stoi(altDigits_));
        altDigits_.clear();
        return;
      default: return;
    }
  }

  bool shift_ = false;
  bool control_ = false;
  bool alt_ = false;
  std::string altDigits_;
  int waits = 0;
};

}  // namespace wordsnap::fakes
