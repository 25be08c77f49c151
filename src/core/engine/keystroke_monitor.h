#pragma once
// The keystroke monitor: keeps the typed buffer from the hook library's keystroke
// reports and applies the trigger rules, calling out to the matcher and the hint
// lookup. It also holds the busy flag that keeps it deaf to the program's own keys.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/hook/hook_contract.h"
#include "core/settings/settings.h"

namespace wordsnap {

// The typed buffer never holds more than this (its fixed field's size).
inline constexpr std::size_t kTypedBufferCapacity = 20;

// Characters kept beyond the prefix keys' length.
inline constexpr std::size_t kTypedNameWindow = 10;


class MonitorCallbacks {
 public:
  virtual ~MonitorCallbacks() = default;
  // Runs the matcher; true when it found and played a Wordsnap.
  virtual bool TestIt() = 0;
  // Looks the typed buffer up for the hint prompt.
  virtual void TestHint() = 0;
  // Tells the hint program to hide its hint.
  virtual void PostHintHide() = 0;
};

// What the monitor reads from elsewhere, as it stands at each keystroke.
struct MonitorContext {
  const Settings& settings;  // Use Suffix, Use Punctuation, Do Hint
  std::size_t prefixKeysLength = 0;
  std::int32_t recordCount = 0;
  bool hintMappingMissing = false;
};

class KeystrokeMonitor {
 public:
  explicit KeystrokeMonitor(MonitorCallbacks& callbacks) : callbacks_(callbacks) {}

  // The keystroke message: wParam as the hook library sends it, ch the low byte of lParam.
  void OnKeystroke(const MonitorContext& context, std::uintptr_t wParam, std::uint8_t ch);

  // The busy-end message: clears the busy flag and nothing else.
  void OnBusyEnd() { busy_ = false; }

  bool Busy() const { return busy_; }
  void SetBusy(bool busy) { busy_ = busy; }

  const std::string& TypedBuffer() const { return typedBuffer_; }
  void ClearTypedBuffer() { typedBuffer_.clear(); }

  bool CapsLock() const { return capsLock_; }
  char SuffixCharacter() const { return suffixCharacter_; }

 private:
  void AppendNameCharacter(char c, std::size_t prefixKeysLength);

  MonitorCallbacks& callbacks_;
  std::string typedBuffer_;
  bool capsLock_ = false;
  char suffixCharacter_ = ' ';
  bool busy_ = false;
};

}  // namespace wordsnap
