#include "core/engine/play_plan.h"

#include <algorithm>

#include "core/engine/virtual_keys.h"

namespace wordsnap {
namespace {

constexpr std::int32_t kTenthSecond = 100;

}  // namespace

void WaitKeyDelay(OutputSeam& seam, std::uint32_t milliseconds, const StillPlaying& stillPlaying) {
  const std::uint32_t start = seam.TickCount();
  std::uint32_t lastSaid = start;
  for (;;) {
    seam.PumpMessages();
    // Unsigned differences: correct across the tick count's wrap-around.
    const std::uint32_t now = seam.TickCount();
    const std::uint32_t elapsed = now - start;
    if (elapsed >= milliseconds) return;
    std::uint32_t wait = milliseconds - elapsed;
    if (stillPlaying) {
      if (now - lastSaid >= kStillPlayingEveryMs) {
        stillPlaying();
        lastSaid = now;
      }
      wait = std::min(wait, kStillPlayingEveryMs - (now - lastSaid));
    }
    seam.WaitForMessages(wait);
  }
}

void WaitTenthSecond(OutputSeam& seam) {
  const std::int32_t start = MillisecondOfDay(seam.Now());
  for (;;) {
    seam.PumpMessages();
    // Time since the start, counted modulo one day so that midnight adds no jump.
    const std::int32_t elapsed = ((MillisecondOfDay(seam.Now()) - start) % kMillisecondsPerDay + kMillisecondsPerDay) %
                                 kMillisecondsPerDay;
    if (elapsed >= kTenthSecond) return;
    seam.WaitForMessages(static_cast<std::uint32_t>(kTenthSecond - elapsed));
  }
}

void WaitForShiftRelease(OutputSeam& seam) {
  while (seam.IsKeyDown(vk::kShift)) seam.SleepFor(1);
}

PlayOutcome PlayPlan(const OutputPlan& plan, OutputSeam& seam, const StillPlaying& stillPlaying) {
  bool clipboardSet = true;
  for (const OutputAction& action : plan) {
    if (action.needsClipboard && !clipboardSet) continue;
    switch (action.kind) {
      case OutputActionKind::KeyDown:
      case OutputActionKind::KeyUp:
        seam.SendKey(action.vk, action.kind == OutputActionKind::KeyUp, action.ours);
        break;
      case OutputActionKind::PumpMessages:
        seam.PumpMessages();
        break;
      case OutputActionKind::KeyDelay:
        WaitKeyDelay(seam, action.milliseconds, stillPlaying);
        break;
      case OutputActionKind::TenthSecondPause:
        WaitTenthSecond(seam);
        break;
      case OutputActionKind::SetClipboardText:
        clipboardSet = seam.SetClipboardText(action.text);
        break;
    }
  }
  return clipboardSet ? PlayOutcome::Played : PlayOutcome::ClipboardRefused;
}

}  // namespace wordsnap
