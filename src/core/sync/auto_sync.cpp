#include "core/sync/auto_sync.h"

#include <algorithm>

namespace wordsnap {

bool StartSyncTimerAtStartup(SyncState& state, bool networkMode, bool autoSync) {
  state.minuteCount = 0;
  return networkMode && autoSync;
}

bool StartSyncTimerAfterNetworkDialog(SyncState& state, bool autoSyncWhenOpened, bool autoSyncNow) {
  if (autoSyncNow && !autoSyncWhenOpened) state.minuteCount = 0;
  return autoSyncNow;
}

bool SyncTimerTick(SyncState& state, std::uint16_t syncMinutes) {
  ++state.minuteCount;
  if (state.minuteCount < syncMinutes) return false;
  state.minuteCount = 0;
  return true;
}

int IndexToSelectAfterReload(int notedIndex, int entryCount) {
  if (entryCount <= 0 || notedIndex < 0) return -1;
  return std::min(notedIndex, entryCount - 1);
}

}  // namespace wordsnap
