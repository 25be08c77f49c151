#pragma once
// What the expansion engine asks of the window that hosts it: the hint program,
// the hook library, the timers and the data file, all of which the window owns.

#include <cstdint>

#include "core/engine/elevated_target.h"
#include "core/store/wordsnap_tree.h"

namespace wordsnap {

class EngineHost {
 public:
  virtual ~EngineHost() = default;
  // Hint command 2 to the hint program.
  virtual void PostHintHide() = 0;
  // Writes the node's name and preview into the hint mapping, then posts hint command 1.
  virtual void ShowHint(const WordsnapNode& node) = 0;
  // WordsnapInUse of the hook library. Said again while playing, it tells the
  // hook the replay is still making progress.
  virtual void SetHookInUse(bool inUse) = 0;
  virtual void StartClearTimer() = 0;
  virtual void StopClearTimer() = 0;
  // Network mode, before an expansion plays: when the shared data file's change
  // count differs from the one remembered, remembers the new one, reloads the
  // tree (refreshing the prefix with SetPref), refills the list and returns true.
  virtual bool ReloadIfSharedFileChanged() = 0;
  // Reads record n into the current-record buffer of the store; false when it could not.
  virtual bool LoadAHotKey(std::int32_t recordNo) = 0;
  // The window an expansion would play into now. By default one that takes our keys.
  virtual TargetWindow ForegroundTarget() { return {}; }
  // Tells the user, without taking the focus, that an expansion was not played
  // because its window refuses our keys.
  virtual void TellTargetRefusesKeys() {}
  // Tells the user, without taking the focus, that an expansion was not played (the
  // typed name left as it is) because the clipboard could not be set.
  virtual void TellClipboardRefused() {}
};

}  // namespace wordsnap
