// Sharing the data file with other copies of the program: the lock around every
// change, its heartbeat, the change check before an expansion, the automatic
// reload and the "Network Considerations" dialog.
#include "MainWin.h"
#include "MessageBoxes.h"
#include "Network.h"
#include "core/settings/settings_file.h"
#include "core/sync/auto_sync.h"
#include "core/sync/network_sync.h"

namespace wordsnap {

bool TMainWin::FileInUse() {
  const LockAttempt attempt = wordsnap::FileInUse(sync_, syncFiles_, clock_, state_.settings.networkMode);
  ShowStoreMessage(attempt.Message);
  if (attempt.Decision == LockDecision::Granted) SetTimer(window_, kNetTimer, kNetTimerInterval, nullptr);
  if (attempt.Decision == LockDecision::Changed) ReloadKeepingSelection();
  return attempt.Refused();
}

void TMainWin::ReleaseSyncFile(bool changed) {
  KillTimer(window_, kNetTimer);
  wordsnap::ReleaseSyncFile(sync_, syncFiles_, state_.settings.networkMode, changed ? 1 : 0);
}

void TMainWin::AttachNetwork() { AttachSyncFile(sync_, syncFiles_, state_.settings.currentFile); }

void TMainWin::NetTimerTimer() {
  // A lock another copy took over is no longer ours to renew.
  if (NetTimerTick(sync_, syncFiles_, clock_) == Heartbeat::NotHolding) KillTimer(window_, kNetTimer);
}

void TMainWin::SyncTimerTimer() {
  if (SyncTimerTick(sync_, state_.settings.syncMinutes)) ReloadKeepingSelection();
}

void TMainWin::ReloadKeepingSelection() {
  const int noted = static_cast<int>(SendMessageA(keyList_, LB_GETCURSEL, 0, 0));
  LoadDataFile(state_.settings.currentFile);  // clears the list before the tree is replaced
  FillList();
  const int count = static_cast<int>(SendMessageA(keyList_, LB_GETCOUNT, 0, 0));
  const int select = IndexToSelectAfterReload(noted, count);
  if (select >= 0) SendMessageA(keyList_, LB_SETCURSEL, static_cast<WPARAM>(select), 0);
}

bool TMainWin::ReloadIfSharedFileChanged() {
  if (!DataFileChangedBeforeExpansion(sync_, syncFiles_, state_.settings.networkMode)) return false;
  ReloadKeepingSelection();
  return true;
}

void TMainWin::MenuNetworkClick() {
  Settings& s = state_.settings;
  const bool networkWasOn = s.networkMode;
  const bool autoSyncWasOn = s.autoSync;
  state_.dialogs.networkConsiderations = true;
  const NetworkDialogValues chosen = ShowNetworkDialog(window_, {s.networkMode, s.autoSync, s.syncMinutes});
  state_.dialogs.networkConsiderations = false;
  s.networkMode = chosen.networkMode;
  s.autoSync = chosen.autoSync;
  s.syncMinutes = chosen.syncMinutes;
  if (StartSyncTimerAfterNetworkDialog(sync_, autoSyncWasOn, s.autoSync)) {
    SetTimer(window_, kSyncTimer, kSyncTimerInterval, nullptr);
  } else {
    KillTimer(window_, kSyncTimer);
  }
  if (s.networkMode && !networkWasOn) AttachNetwork();
  SaveSettings(s, profiles_);
}

}  // namespace wordsnap
