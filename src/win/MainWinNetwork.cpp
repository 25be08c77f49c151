// Sharing the data file with other copies of the program: the lock around every
// change, its heartbeat, the change check before an expansion, the automatic
// reload and the "Network Considerations" dialog.
#include "MainWin.h"
#include "SettingsSave.h"
#include "MessageBoxes.h"
#include "Network.h"
#include "core/settings/settings_file.h"
#include "core/sync/auto_sync.h"
#include "core/sync/network_sync.h"

namespace wordsnap {

bool TMainWin::TakeLock() {
  const LockAttempt attempt = FileInUse(sync_, syncFiles_, clock_, state_.settings.networkMode);
  ShowStoreMessage(attempt.message);
  if (attempt.decision == LockDecision::Granted) SetTimer(window_, kNetTimer, kNetTimerInterval, nullptr);
  if (attempt.decision == LockDecision::Changed) ReloadKeepingSelection();
  return !attempt.Refused();
}

void TMainWin::ReleaseLock(bool changed) {
  KillTimer(window_, kNetTimer);
  ReleaseSyncFile(sync_, syncFiles_, state_.settings.networkMode, changed ? 1 : 0);
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
  const int noted = list_.SelectedRow();
  LoadDataFile(state_.settings.currentFile);  // clears the list before the tree is replaced
  FillList();
  const int select = IndexToSelectAfterReload(noted, list_.RowCount());
  if (select >= 0) list_.SelectRow(select);
}

bool TMainWin::ReloadIfSharedFileChanged() {
  if (!DataFileChangedBeforeExpansion(sync_, syncFiles_, state_.settings.networkMode)) return false;
  ReloadKeepingSelection();
  return true;
}

namespace {

// The main window's part in closing the network dialog.
class NetworkDialogClose final : public NetworkOptionsHost {
 public:
  NetworkDialogClose(HWND window, SyncState& sync, SyncFileAccess& syncFiles, AppState& state,
                     ProfileStore& profiles)
      : window_(window), sync_(sync), syncFiles_(syncFiles), state_(state), profiles_(profiles) {}
  void StartSyncTimer() override { SetTimer(window_, kSyncTimer, kSyncTimerInterval, nullptr); }
  void StopSyncTimer() override { KillTimer(window_, kSyncTimer); }
  void AttachNetwork() override { AttachSyncFile(sync_, syncFiles_, state_.settings.currentFile); }
  void SaveSettings() override { SaveSettingsTelling(window_, state_, profiles_); }

 private:
  HWND window_;
  SyncState& sync_;
  SyncFileAccess& syncFiles_;
  AppState& state_;
  ProfileStore& profiles_;
};

}  // namespace

void TMainWin::MenuNetworkClick() {
  Settings& s = state_.settings;
  const NetworkDialogValues chosen =
      RunNetwork(window_, state_.dialogs.networkConsiderations, {s.networkMode, s.autoSync, s.syncMinutes});
  NetworkDialogClose host(window_, sync_, syncFiles_, state_, profiles_);
  CloseNetworkDialog(s, sync_, chosen, host);
}

}  // namespace wordsnap
