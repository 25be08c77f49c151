#include "core/hook/key_watch.h"

#include "core/hook/hook_contract.h"

namespace wordsnap::hook {

KeyWatch::KeyWatch(WatchHost& host, bool capsLockOn, std::uintptr_t foreground) noexcept
    : host_(host), filter_(capsLockOn, foreground) {}

bool KeyWatch::OnKey(const KeyStroke& key, KeyOrigin origin, std::uintptr_t foreground) {
  const bool kept = hold_.OnKey(key, origin, host_.Program(), host_.Now());
  // A kept key reaches the application, and is read, only when it is sent again.
  if (!kept) Read(key, origin, foreground);
  // The end-of-replay key may just have ended the in-use state.
  hold_.Update(host_.Program(), host_.Now());
  return kept;
}

void KeyWatch::OnMouseButton(bool ours) {
  if (filter_.OnMouseButton(ours, host_.Program().inUse) == KeyAction::Reset) Reset();
}

bool KeyWatch::ReleaseDue() { return reading_ && hold_.ReleaseDue(host_.Program()); }

void KeyWatch::Check() {
  hold_.Update(host_.Program(), host_.Now());
  // A key sent again usually comes back through the hook within the send, is read,
  // and may leave a report to be read first: the loop then stops.
  while (ReleaseDue()) {
    if (!host_.SendAgain(hold_.TakeNext(host_.Now()))) hold_.NotSent();
  }
}

void KeyWatch::StartReading(bool sameReader) noexcept {
  if (!sameReader) hold_.ForgetReports();
  reading_ = true;
}

void KeyWatch::LetAllGo() {
  for (const KeyStroke& key : hold_.TakeAll()) host_.SendAgain(key);
}

void KeyWatch::Read(const KeyStroke& key, KeyOrigin origin, std::uintptr_t foreground) {
  const ProgramState program = host_.Program();
  const KeyEvent event{key.virtualKey, key.down, origin == KeyOrigin::Ours, key.down ? foreground : 0};
  const KeyDecision decision = filter_.OnKey(event, program.inUse);
  if (decision.resetFirst) Reset();
  switch (decision.action) {
    case KeyAction::Nothing:
      return;
    case KeyAction::Reset:
      Reset();
      return;
    case KeyAction::BusyEnd:
      host_.EndInUse(program.period);
      if (reading_) host_.Post(kBusyEndMessage, 0, 0);
      return;
    case KeyAction::Translate:
      break;
  }
  const ModifierState modifiers = filter_.Modifiers();
  const TypedText typed = host_.Translate(key, modifiers);
  if (!typed.madeCharacter) {
    Reset();
    return;
  }
  const std::uintptr_t caps = modifiers.capsLock ? kKeystrokeCapsOn : kKeystrokeCapsOff;
  for (const char character : typed.ansi) {
    Report(caps, static_cast<unsigned char>(character), origin == KeyOrigin::Released);
  }
}

void KeyWatch::Report(std::uintptr_t wParam, unsigned char character, bool pace) {
  if (!reading_) return;
  const std::uint32_t number = hold_.NextReportNumber();
  if (host_.Post(kKeystrokeMessage, wParam, KeystrokeLParam(number, character))) {
    hold_.Reported(number, pace, host_.Now());
  }
}

void KeyWatch::Reset() {
  host_.ClearDeadKey();
  Report(kKeystrokeReset, 0, false);
}

}  // namespace wordsnap::hook
