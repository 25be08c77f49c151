#include "core/list/list_command_flow.h"

#include "core/store/data_file_operations.h"

namespace wordsnap {
namespace {

// The row's record under the lock: refused again when the selection went away.
std::optional<std::int32_t> RecordUnderLock(ListCommandHost& host) {
  const std::optional<std::int32_t> recordNo = host.SelectedRecordNo();
  if (!recordNo) host.RefuseRowCommand();
  return recordNo;
}

}  // namespace

void RunAddCommand(ListCommandHost& host) {
  NetworkLock lock(host);
  if (!lock.Held() || !host.RunEditor(false)) return;
  lock.SetChanged(host.WriteRecord(kAppendRecord));
}

void RunModifyCommand(ListCommandHost& host) {
  if (host.RefuseRowCommand()) return;
  NetworkLock lock(host);
  if (!lock.Held()) return;
  const std::optional<std::int32_t> recordNo = RecordUnderLock(host);
  if (!recordNo || !host.ReadRecord(*recordNo) || !host.RunEditor(true)) return;
  lock.SetChanged(host.WriteRecord(*recordNo));
}

void RunDeleteCommand(ListCommandHost& host) {
  if (host.RefuseRowCommand()) return;
  NetworkLock lock(host);
  if (!lock.Held()) return;
  const std::optional<std::int32_t> recordNo = RecordUnderLock(host);
  if (!recordNo || !host.ReadRecord(*recordNo) || !host.ConfirmDelete()) return;
  lock.SetChanged(host.RemoveRecord(*recordNo));
}

void RunActivateCommand(ListCommandHost& host) {
  if (host.RefuseRowCommand()) return;
  NetworkLock lock(host);
  if (!lock.Held()) return;
  const std::optional<std::int32_t> recordNo = RecordUnderLock(host);
  if (!recordNo) return;
  lock.SetChanged(host.ToggleActive(*recordNo));
}

}  // namespace wordsnap
