#pragma once
// The order of the list commands that change the data file: check the selection,
// take the network lock, read the record, edit, write, release. The window does
// each step through ListCommandHost; the order and the lock live here.

#include <cstdint>
#include <optional>

#include "core/sync/network_lock.h"

namespace wordsnap {

class ListCommandHost : public NetworkLockOwner {
 public:
  // Edit, Delete and Activate need a selected row: shows the refusal; true when refused.
  virtual bool RefuseRowCommand() = 0;
  // The record number of the selected row, read after the lock was taken (taking
  // it may have reloaded the list); nothing when no row is selected.
  virtual std::optional<std::int32_t> SelectedRecordNo() = 0;
  // Reads the record into the current-record buffer; false (the reason shown) when it could not.
  virtual bool ReadRecord(std::int32_t recordNo) = 0;
  // The editor on the current-record buffer; false when cancelled.
  virtual bool RunEditor(bool editMode) = 0;
  // Writes the current-record buffer as record n, or appends it (kAppendRecord),
  // refills the list and selects it; true when the file was written.
  virtual bool WriteRecord(std::int32_t recordNo) = 0;
  // Asks whether to remove the Wordsnap in the current-record buffer.
  virtual bool ConfirmDelete() = 0;
  // Removes the record, reloads and refills the list; true when the file was written.
  virtual bool RemoveRecord(std::int32_t recordNo) = 0;
  // Turns the record's Active flag over in the tree and the file; true when written.
  virtual bool ToggleActive(std::int32_t recordNo) = 0;
};

void RunAddCommand(ListCommandHost& host);
void RunModifyCommand(ListCommandHost& host);
void RunDeleteCommand(ListCommandHost& host);
void RunActivateCommand(ListCommandHost& host);

}  // namespace wordsnap
