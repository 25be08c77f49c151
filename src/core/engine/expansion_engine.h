#pragma once
// The expansion engine as the main window uses it: keystroke reports go in, the
// matcher runs under the trigger rules, and a found Wordsnap is played through
// the output seam. Everything the window owns (hint program, hook library,
// timers, the data file) is reached through EngineHost.

#include <cstdint>
#include <string>

#include "core/app_state.h"
#include "core/engine/elevated_target.h"
#include "core/engine/keystroke_monitor.h"
#include "core/engine/matcher.h"
#include "core/seam/engine_host.h"
#include "core/seam/output_seam.h"

namespace wordsnap {

class ExpansionEngine : private MonitorCallbacks {
 public:
  ExpansionEngine(AppState& app, OutputSeam& seam, EngineHost& host);

  // The keystroke message (0x0401) from the hook library.
  void OnKeystroke(std::uintptr_t wParam, std::intptr_t lParam);
  // The busy-end message (0x0405).
  void OnBusyEnd() { monitor_.OnBusyEnd(); }
  // ClearTimer fired: stop it, end the busy state, tell the hook library.
  void ClearTimerTimer();

  // Takes the prefix the matcher requires from the settings and the prefix keys.
  // Run at start-up, after a data file is loaded and when the prefix keys or
  // Use Suffix change.
  void SetPref();

  // The matcher: true when it found a Wordsnap for the typed buffer (and played it).
  bool TestIt() override;
  // The hint lookup: shows the hint of the Wordsnap named by the whole buffer.
  void TestHint() override;
  // Plays the found Wordsnap; the match is also kept as the last one.
  void IntoProgram(const Match& match);

  void SetHintMappingMissing(bool missing) { hintMappingMissing_ = missing; }

  const KeystrokeMonitor& Monitor() const { return monitor_; }
  const std::string& ActivePrefix() const { return activePrefix_; }
  const Match& LastMatch() const { return lastMatch_; }

 private:
  void PostHintHide() override { host_.PostHintHide(); }

  AppState& app_;
  OutputSeam& seam_;
  EngineHost& host_;
  KeystrokeMonitor monitor_;
  std::string activePrefix_;
  Match lastMatch_;
  ElevatedTargetRule elevatedRule_;
  bool hintMappingMissing_ = false;
};

}  // namespace wordsnap
