#include "core/engine/expansion_engine.h"

#include "core/engine/output_plan.h"
#include "core/engine/play_plan.h"

namespace wordsnap {

ExpansionEngine::ExpansionEngine(AppState& app, OutputSeam& seam, EngineHost& host)
    : app_(app), seam_(seam), host_(host), monitor_(*this) {
  SetPref();
}

void ExpansionEngine::OnKeystroke(std::uintptr_t wParam, std::intptr_t lParam) {
  const MonitorContext context{app_.settings, app_.store.prefixKeys.size(), app_.store.recordCount,
                               hintMappingMissing_};
  monitor_.OnKeystroke(context, wParam, static_cast<std::uint8_t>(lParam & 0xFF));
}

void ExpansionEngine::ClearTimerTimer() {
  host_.StopClearTimer();
  monitor_.SetBusy(false);
  host_.SetHookInUse(false);
}

void ExpansionEngine::SetPref() { activePrefix_ = ActivePrefixFor(app_.settings, app_.store.prefixKeys); }

bool ExpansionEngine::TestIt() {
  const auto match = FindMatch(app_.store.tree, app_.store.names, monitor_.TypedBuffer(), activePrefix_, app_.settings);
  if (!match) return false;
  IntoProgram(*match);
  return true;
}

void ExpansionEngine::TestHint() {
  if (hintMappingMissing_) return;
  const WordsnapStore& store = app_.store;
  if (const WordsnapNode* node = FindHintNode(store.tree, store.names, monitor_.TypedBuffer())) host_.ShowHint(*node);
}

void ExpansionEngine::IntoProgram(const Match& match) {
  lastMatch_ = match;
  WaitForShiftRelease(seam_);

  if (app_.settings.networkMode && host_.ReloadIfSharedFileChanged()) {
    // The tree was reloaded: look the unchanged buffer up again; that plays the
    // Wordsnap if it still matches.
    TestIt();
    return;
  }

  // Keys sent to a window that runs as administrator would be dropped silently.
  switch (elevatedRule_.Decide(host_.ForegroundTarget())) {
    case TargetAction::Play: break;
    case TargetAction::SkipAndTell: host_.TellTargetRefusesKeys(); [[fallthrough]];
    case TargetAction::Skip: monitor_.ClearTypedBuffer(); return;
  }

  // The last expansion's ClearTimer must not end this one's busy state halfway through.
  host_.StopClearTimer();
  monitor_.SetBusy(true);
  host_.SetHookInUse(true);

  if (!host_.LoadAHotKey(match.recordNo)) {
    // Without the record there is nothing true to play: leave the typed text as
    // it is and end the busy state at once.
    monitor_.SetBusy(false);
    host_.SetHookInUse(false);
    monitor_.ClearTypedBuffer();
    return;
  }

  const OutputContext context{monitor_.TypedBuffer(), match.typedNameLength, monitor_.SuffixCharacter(),
                              monitor_.CapsLock(),    app_.store.prefixKeys,  seam_.Now()};
  const OutputPlan plan = BuildOutputPlan(app_.store.current.Record, context, app_.settings, seam_);
  // Saying in-use again is the replay's sign of life to the hook during long key delays.
  if (PlayPlan(plan, seam_, [this] { host_.SetHookInUse(true); }) == PlayOutcome::ClipboardRefused) {
    host_.TellClipboardRefused();
  }

  host_.StartClearTimer();
  monitor_.ClearTypedBuffer();
}

}  // namespace wordsnap
