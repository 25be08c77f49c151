#pragma once
// Automatic reloading of a shared data file every so many minutes, counted by the
// minute timer, and the list selection kept across a reload.

#include <cstdint>

#include "core/sync/sync_state.h"

namespace wordsnap {

// At start-up: the minute count starts at 0. Answers whether the minute timer runs
// (network mode and automatic synchronisation both on).
bool StartSyncTimerAtStartup(SyncState& state, bool networkMode, bool autoSync);

// When the network dialog closes: the minute timer runs exactly when automatic
// synchronisation is on, and counts from 0 if it was off when the dialog opened.
// Answers whether the timer runs.
bool StartSyncTimerAfterNetworkDialog(SyncState& state, bool autoSyncWhenOpened, bool autoSyncNow);

// The minute timer's tick. True when the reload is due now: the caller notes the
// list's selection, reloads the tree, refills the list and reselects
// (IndexToSelectAfterReload). The reload happens whether or not the file changed,
// and without looking at the lock; the count starts again from 0.
bool SyncTimerTick(SyncState& state, std::uint16_t syncMinutes);

// The list entry to select after a reload: the noted one, or the last entry when
// the list has become shorter; -1 (none) when the list is empty or nothing was
// selected.
int IndexToSelectAfterReload(int notedIndex, int entryCount);

}  // namespace wordsnap
