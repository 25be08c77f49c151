// The main window's data-file commands: loading at start-up and on a switch, new
// file, open file, the recent files and the caption that names the open file.
#include <windows.h>

#include "FileDialogs.h"
#include "MainWin.h"
#include "MessageBoxes.h"
#include "core/store/data_file_names.h"
#include "core/store/data_file_operations.h"
#include "core/store/recent_files.h"
#include "resource.h"

namespace wordsnap {
namespace {

// Asks for a data file; empty when cancelled.
std::string AskForDataFile(HWND owner, const char* title, bool forNewFile) {
  return AskForFile(owner, {title, "Wordsnap (*.WSN)|*.WSN", "WSN", forNewFile}).value_or(std::string());
}

}  // namespace

void TMainWin::ShowStoreMessage(const std::optional<StoreMessage>& message) {
  if (message) ShowMessage(window_, message->text, message->caption);
}

void TMainWin::LoadDataFile(const std::string& path) {
  list_.Clear();  // its rows point into the tree about to be replaced
  const LoadResult result = LoadTheHotKeys(state_.store, files_, path);
  if (result.prefixKeysTaken) SetPrefixHint(PrefixButtonHint(state_.settings.useSuffix, state_.store.prefixKeys));
  engine_->SetPref();
  ShowStoreMessage(result.message);
}

void TMainWin::SetCaptionFor(const std::string& path) { SetWindowTextA(window_, MainWindowCaption(path).c_str()); }

std::string TMainWin::ChooseDataFile(const char* title, bool forNewFile) {
  const std::string path = AskForDataFile(window_, title, forNewFile);
  if (path.empty()) return path;
  if (!HasWordsnapExtension(path)) {
    ShowStoreMessage(InvalidFileTypeMessage());
    return {};
  }
  if (!FitsCurrentFileSetting(path)) {
    ShowStoreMessage(PathTooLongMessage());
    return {};
  }
  return path;
}

void TMainWin::SwitchDataFile(const std::string& path, bool rememberOld) {
  const std::string old = state_.settings.currentFile;
  state_.settings.currentFile = path;
  if (state_.settings.networkMode) AttachNetwork();
  LoadDataFile(path);  // empties the list, then replaces the tree
  SetCaptionFor(path);
  FillList();
  if (rememberOld) {
    DoLastFiles(state_.settings.lastFiles, old, path);
    SetMenuLastFiles();
  }
}

void TMainWin::DoNew() {
  const std::string path = ChooseDataFile("New Wordsnap File", true);
  if (path.empty()) return;
  if (files_.Exists(path)) {
    // A file that cannot be emptied is not switched to: its old Wordsnaps would pass for the new file's.
    const StoreResult emptied = EmptyDataFile(files_, path);
    ShowStoreMessage(emptied.message);
    if (!emptied.Ok()) return;
  }
  SwitchDataFile(path, true);
}

void TMainWin::DoOpen() {
  const std::string path = ChooseDataFile("Open Wordsnap File", false);
  if (!path.empty()) SwitchDataFile(path, true);
}

void TMainWin::OpenSaveFile(const std::string& path) {
  if (!files_.Exists(path)) {
    ShowStoreMessage(FileDoesNotExistMessage());
  } else if (!FitsCurrentFileSetting(path)) {
    ShowStoreMessage(PathTooLongMessage());
  } else {
    SwitchDataFile(path, true);
  }
}

void TMainWin::SetMenuLastFiles() {
  HMENU fileMenu = GetSubMenu(GetMenu(window_), 0);
  // The recent entries follow "Exit Program": take them away, then add what the list holds.
  const int count = GetMenuItemCount(fileMenu);
  int exitPosition = -1;
  for (int i = 0; i < count; ++i)
    if (GetMenuItemID(fileMenu, i) == IDM_FILE_EXIT) exitPosition = i;
  for (int i = count - 1; i > exitPosition; --i) DeleteMenu(fileMenu, static_cast<UINT>(i), MF_BYPOSITION);

  const RecentFilesMenu menu = RecentFilesMenuFor(state_.settings.lastFiles);
  if (menu.separatorVisible) AppendMenuA(fileMenu, MF_SEPARATOR, 0, nullptr);
  for (std::size_t slot = 0; slot < menu.entries.size(); ++slot) {
    if (menu.entries[slot])
      AppendMenuA(fileMenu, MF_STRING, IDM_FILE_RECENT1 + slot, menu.entries[slot]->c_str());
  }
  ApplyMenuAvailability();
}

}  // namespace wordsnap
