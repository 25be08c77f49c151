// The list commands of the main window: add, edit, delete, activate, find and
// find next. Every command that writes the data file holds the network lock
// from before it reads anything until it has finished.
#include <windows.h>

#include "FindR.h"
#include "HKMod.h"
#include "MainWin.h"
#include "MessageBoxes.h"
#include "core/list/list_commands.h"
#include "core/store/data_file_operations.h"
#include "resource.h"

namespace wordsnap {

std::string TMainWin::FoldCaseByLocale(std::string_view text) {
  std::string folded(text);
  if (!folded.empty()) CharUpperBuffA(folded.data(), static_cast<DWORD>(folded.size()));
  return folded;
}

bool TMainWin::RefuseRowCommand() {
  const std::optional<StoreMessage> refusal = RowCommandRefusal(RowCount(), SelectedRow());
  ShowStoreMessage(refusal);
  return refusal.has_value();
}

bool TMainWin::ReadRecord(std::int32_t recordNo) {
  const StoreResult read = wordsnap::LoadAHotKey(state_.store, files_, state_.settings.currentFile, recordNo);
  ShowStoreMessage(read.Message);
  return read.Ok();
}

bool TMainWin::RunEditor(bool editMode) { return RunModHotKeys(window_, instance_, state_, editMode); }

void TMainWin::DoAdd() {
  if (FileInUse()) return;
  if (!RunEditor(false)) {
    ReleaseSyncFile(false);
    return;
  }
  const StoreResult added = AddAHotKey(state_.store, files_, state_.settings.currentFile, kAppendRecord);
  ShowStoreMessage(added.Message);
  FillList();
  if (added.Ok()) SetIndex(state_.store.RecordCount);
  ReleaseSyncFile(added.Ok());
}

void TMainWin::DoModify() {
  if (RefuseRowCommand()) return;
  if (FileInUse()) return;
  // Taking the lock may have reloaded the list; the row is read only now.
  const WordsnapNode* node = NodeOfRow(SelectedRow());
  if (node == nullptr) {
    RefuseRowCommand();
    ReleaseSyncFile(false);
    return;
  }
  const std::int32_t recordNo = node->RecordNo;
  if (!ReadRecord(recordNo) || !RunEditor(true)) {
    ReleaseSyncFile(false);
    return;
  }
  const StoreResult written = AddAHotKey(state_.store, files_, state_.settings.currentFile, recordNo);
  ShowStoreMessage(written.Message);
  // A renamed Wordsnap may rebuild the tree: the rows are refilled before anything else can draw them.
  FillList();
  SetIndex(recordNo);
  ReleaseSyncFile(written.Ok());
}

void TMainWin::DoClear() {
  if (RefuseRowCommand()) return;
  if (FileInUse()) return;
  const int row = SelectedRow();
  const WordsnapNode* node = NodeOfRow(row);
  if (node == nullptr) {
    RefuseRowCommand();
    ReleaseSyncFile(false);
    return;
  }
  const std::int32_t recordNo = node->RecordNo;
  if (!ReadRecord(recordNo)) {
    ReleaseSyncFile(false);
    return;
  }
  const std::string question = DeleteQuestion(state_.store.Current.Record.Name);
  if (ShowMessage(window_, question, kCaptionDelete, MB_YESNO) != IDYES) {
    ReleaseSyncFile(false);
    return;
  }
  const StoreResult removed = RemoveAHotKey(state_.store, files_, state_.settings.currentFile, recordNo);
  ShowStoreMessage(removed.Message);
  LoadDataFile(state_.settings.currentFile);
  FillList();
  const int next = RowAfterDelete(row, RowCount());
  if (next >= 0) SelectRow(next);
  ReleaseSyncFile(removed.Ok());
}

void TMainWin::DoActivate() {
  if (RefuseRowCommand()) return;
  if (FileInUse()) return;
  WordsnapNode* node = NodeOfRow(SelectedRow());
  if (node == nullptr) {
    RefuseRowCommand();
    ReleaseSyncFile(false);
    return;
  }
  const std::uint8_t before = node->Active;
  const std::uint8_t after = before != 0 ? 0 : 1;
  node->Active = after;
  SetActivateCaptions(after != 0);
  const StoreResult written = ChangeActiveInFile(files_, state_.settings.currentFile, node->RecordNo, after);
  if (!written.Ok()) {
    // The file keeps the old state, so the list and the expansions keep it too.
    node->Active = before;
    SetActivateCaptions(before != 0);
  }
  InvalidateRect(keyList_, nullptr, TRUE);
  ShowStoreMessage(written.Message);
  ReleaseSyncFile(written.Ok());
}

void TMainWin::MenuFindClick() {
  const std::optional<std::string> text = RunDoFind(window_, instance_, state_.dialogs, finder_.SearchText());
  if (!text) return;
  finder_.SetSearchText(*text);
  if (speedButtons_) speedButtons_->SetHint(IDM_EDIT_FIND_NEXT, finder_.FindNextHint());
  if (finder_.CanFindNext()) FindNext();
  EnableDisable();
}

void TMainWin::FindNext() {
  std::optional<StoreMessage> failure;
  const FindStep step = finder_.Next(RowCount(), [&](int row) -> std::optional<std::string> {
    const WordsnapNode* node = NodeOfRow(row);
    if (node == nullptr) return std::string();
    const StoreResult read =
        wordsnap::LoadAHotKey(state_.store, files_, state_.settings.currentFile, node->RecordNo);
    if (!read.Ok()) {
      failure = read.Message;
      return std::nullopt;
    }
    return state_.store.Current.Record.ReplacementText;
  });
  switch (step.Outcome) {
    case FindOutcome::Found:
      SelectRow(step.Row);
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
