#include "core/engine/keystroke_monitor.h"

#include <algorithm>

#include "core/engine/character_classes.h"

namespace wordsnap {
namespace {

constexpr char kBackspace = 8;
constexpr char kEnter = 13;
constexpr char kSpace = 32;

}  // namespace

void KeystrokeMonitor::AppendNameCharacter(char c, std::size_t prefixKeysLength) {
  typedBuffer_ += c;
  const std::size_t keep = std::min(prefixKeysLength + kTypedNameWindow, kTypedBufferCapacity);
  if (typedBuffer_.size() > keep) typedBuffer_.erase(0, typedBuffer_.size() - keep);
}

void KeystrokeMonitor::OnKeystroke(const MonitorContext& context, std::uintptr_t wParam, std::uint8_t code) {
  if (busy_ || context.recordCount == 0) return;
  const Settings& settings = context.settings;
  const bool hints = settings.useSuffix && settings.doHint;
  if (hints && !context.hintMappingMissing) callbacks_.PostHintHide();

  if (wParam == kKeystrokeReset) {
    typedBuffer_.clear();
    return;
  }
  capsLock_ = wParam == kKeystrokeCapsOn;
  const char ch = static_cast<char>(code);

  if (IsNameCharacter(ch)) {
    if (settings.useSuffix && settings.usePunctuation && IsSuffixPunctuation(ch)) {
      suffixCharacter_ = ch;
      if (callbacks_.TestIt()) return;
    }
    AppendNameCharacter(ch, context.prefixKeysLength);
    if (!settings.useSuffix) {
      callbacks_.TestIt();
    } else if (settings.doHint) {
      callbacks_.TestHint();
    }
    return;
  }

  if (ch == kBackspace) {
    if (typedBuffer_.empty()) return;
    typedBuffer_.pop_back();
    if (hints) callbacks_.TestHint();
    return;
  }

  if (settings.useSuffix) {
    if (ch == kSpace || ch == kEnter || (settings.usePunctuation && IsSuffixPunctuation(ch))) {
      suffixCharacter_ = ch;
      callbacks_.TestIt();
    }
  }
  typedBuffer_.clear();
}

}  // namespace wordsnap
