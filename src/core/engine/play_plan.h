#pragma once
// Playing an output plan through the output seam.

#include <cstdint>
#include <functional>

#include "core/engine/output_plan.h"
#include "core/seam/output_seam.h"

namespace wordsnap {

// Called at least every kStillPlayingEveryMs while a long key delay waits, so
// the keyboard hook knows the replay is making progress between its keys.
using StillPlaying = std::function<void()>;
inline constexpr std::uint32_t kStillPlayingEveryMs = 1000;

// What the hint shows when an expansion was not played because the clipboard
// could not be set (at most 50 characters, the hint's preview line).
inline constexpr const char* kClipboardRefusedHintText = "Not typed: another program holds the clipboard";

enum class PlayOutcome {
  Played,
  ClipboardRefused,  // the clipboard could not be set: only the end-of-replay key was sent
};

// Sends the plan's keys in order. Pauses process pending messages while they
// wait. When the clipboard cannot be set, what depends on it (the erasing and the
// paste) is left out: the typed name stays, and stale clipboard contents are never
// pasted in place of the text.
PlayOutcome PlayPlan(const OutputPlan& plan, OutputSeam& seam, const StillPlaying& stillPlaying = {});

// Waits until the tick count has advanced by `milliseconds`, processing messages.
void WaitKeyDelay(OutputSeam& seam, std::uint32_t milliseconds, const StillPlaying& stillPlaying = {});

// Waits until the time of day has advanced by a tenth of a second, processing
// messages; a wait across midnight ends as it should.
void WaitTenthSecond(OutputSeam& seam);

// Waits, without processing messages, until Shift is released.
void WaitForShiftRelease(OutputSeam& seam);

}  // namespace wordsnap
