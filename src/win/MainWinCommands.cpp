// The steps of the main window's list commands (add, edit, delete and activate
// run them in the order list_command_flow sets, under the network lock), and
// find and find next.
#include <windows.h>

#include "FindR.h"
#include "HKMod.h"
#include "MainWin.h"
#include "MessageBoxes.h"
#include "core/list/list_commands.h"
#include "core/store/data_file_operations.h"
#include "resource.h"

namespace wordsnap {

bool TMainWin::RefuseRowCommand() {
  const std::optional<StoreMessage> refusal = RowCommandRefusal(list_.RowCount(), list_.SelectedRow());
  ShowStoreMessage(refusal);
  return refusal.has_value();
}

std::optional<std::int32_t> TMainWin::SelectedRecordNo() {
  const WordsnapNode* node = list_.NodeOfRow(list_.SelectedRow());
  if (node == nullptr) return std::nullopt;
  return node->RecordNo;
}

bool TMainWin::ReadRecord(std::int32_t recordNo) {
  const StoreResult read = wordsnap::LoadAHotKey(state_.store, files_, state_.settings.currentFile, recordNo);
  ShowStoreMessage(read.message);
  return read.Ok();
}

bool TMainWin::RunEditor(bool editMode) { return RunHKMod(window_, state_.dialogs.modHotKeys, state_, editMode); }

bool TMainWin::WriteRecord(std::int32_t recordNo) {
  const StoreResult written = AddAHotKey(state_.store, files_, state_.settings.currentFile, recordNo);
  ShowStoreMessage(written.message);
  // A renamed Wordsnap may rebuild the tree: the rows are refilled before anything else can draw them.
  FillList();
  if (recordNo != kAppendRecord) {
    list_.SelectRecord(recordNo);
  } else if (written.Ok()) {
    list_.SelectRecord(state_.store.recordCount);
  }
  return written.Ok();
}

bool TMainWin::ConfirmDelete() {
  const std::string question = DeleteQuestion(state_.store.current.Record.Name);
  return ShowMessage(window_, question, kCaptionDelete, MB_YESNO) == IDYES;
}

bool TMainWin::RemoveRecord(std::int32_t recordNo) {
  const int row = list_.SelectedRow();
  const StoreResult removed = RemoveAHotKey(state_.store, files_, state_.settings.currentFile, recordNo);
  ShowStoreMessage(removed.message);
  LoadDataFile(state_.settings.currentFile);
  FillList();
  const int next = RowAfterDelete(row, list_.RowCount());
  if (next >= 0) list_.SelectRow(next);
  return removed.Ok();
}

bool TMainWin::ToggleActive(std::int32_t recordNo) {
  WordsnapNode* node = list_.NodeOfRow(list_.SelectedRow());
  if (node == nullptr || node->RecordNo != recordNo) return false;
  const std::uint8_t before = node->Active;
  const std::uint8_t after = before != 0 ? 0 : 1;
  node->Active = after;
  SetActivateCaptions(after != 0);
  const StoreResult written = ChangeActiveInFile(files_, state_.settings.currentFile, recordNo, after);
  if (!written.Ok()) {
    // The file keeps the old state, so the list and the expansions keep it too.
    node->Active = before;
    SetActivateCaptions(before != 0);
  }
  list_.Redraw();
  ShowStoreMessage(written.message);
  return written.Ok();
}

void TMainWin::MenuFindClick() {
  const std::optional<std::string> text = RunFindR(window_, state_.dialogs.doFind, finder_.SearchText());
  if (!text) return;
  finder_.SetSearchText(*text);
  if (speedButtons_) speedButtons_->SetHint(IDM_EDIT_FIND_NEXT, finder_.FindNextHint());
  if (finder_.CanFindNext()) FindNext();
  EnableDisable();
}

void TMainWin::FindNext() {
  std::optional<StoreMessage> failure;
  const FindStep step = finder_.Next(list_.RowCount(), [&](int row) -> std::optional<std::string> {
    const WordsnapNode* node = list_.NodeOfRow(row);
    if (node == nullptr) return std::string();
    const StoreResult read =
        wordsnap::LoadAHotKey(state_.store, files_, state_.settings.currentFile, node->RecordNo);
    if (!read.Ok()) {
      failure = read.message;
      return std::nullopt;
    }
    return state_.store.current.Record.ReplacementText;
  });
  switch (step.outcome) {
    case FindOutcome::Found:
      list_.SelectRow(step.row);
      break;
    case FindOutcome::EndReached:
      ShowMessage(window_, kEndOfListReached, kCaptionFindDone);
      EnableDisable();
      break;
    case FindOutcome::ReadFailed:
      ShowStoreMessage(failure);
      break;
  }
}

void TMainWin::EnableDisable() { ApplyMenuAvailability(); }

}  // namespace wordsnap
