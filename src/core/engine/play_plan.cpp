#include "core/engine/play_plan.h"

#include "core/engine/virtual_keys.h"

namespace wordsnap {
namespace {

constexpr std::int32_t kTenthSecond = 100;

}  // namespace

void WaitKeyDelay(OutputSeam& seam, std::uint32_t milliseconds) {
  const std::uint32_t start = seam.TickCount();
  for (;;) {
    seam.PumpMessages();
    // Unsigned difference: correct across the tick count's wrap-around.
    const std::uint32_t elapsed = seam.TickCount() - start;
    if (elapsed >= milliseconds) return;
    seam.WaitForMessages(milliseconds - elapsed);
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

void PlayPlan(const OutputPlan& plan, OutputSeam& seam) {
  bool clipboardSet = true;
  for (const OutputAction& action : plan) {
    switch (action.kind) {
      case OutputActionKind::kKeyDown:
      case OutputActionKind::kKeyUp:
        if (action.needsClipboard && !clipboardSet) break;
        seam.SendKey(action.vk, action.kind == OutputActionKind::kKeyUp, action.ours);
        break;
      case OutputActionKind::kPumpMessages:
        seam.PumpMessages();
        break;
      case OutputActionKind::kKeyDelay:
        WaitKeyDelay(seam, action.milliseconds);
        break;
      case OutputActionKind::kTenthSecondPause:
        WaitTenthSecond(seam);
        break;
      case OutputActionKind::kSetClipboardText:
        clipboardSet = seam.SetClipboardText(action.text);
        break;
    }
  }
}

}  // namespace wordsnap
