#pragma once
// A main window driven in this process: a private folder for data files, the
// message boxes captured (and answered), and readers for what the window shows.

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "MainWin.h"
#include "core/store/wordsnap_record.h"
#include "dialog_test_base.h"
#include "fakes/fake_profile_store.h"
#include "platform/win32/win32_data_file.h"
#include "platform/win32/win32_sync_file.h"
#include "resource.h"

namespace wordsnap::win_test {

inline WordsnapRecord Snap(std::string name, std::string text, bool active = true) {
  WordsnapRecord record;
  record.Name = std::move(name);
  record.ReplacementText = std::move(text);
  record.Active = active ? 1 : 0;
  record.CaseRule = kCaseNone;
  return record;
}

inline std::string MenuEntryText(HMENU menu, UINT id) {
  char text[512] = {};
  GetMenuStringA(menu, id, text, sizeof(text), MF_BYCOMMAND);
  return text;
}

inline bool MenuEntryEnabled(HMENU menu, UINT id) {
  return (GetMenuState(menu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

inline std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

class MainWindowFixture : public DialogTestBase {
 protected:
  void SetUp() override {
    DialogTestBase::SetUp();
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "wordsnap-mainwin-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
  }

  void TearDown() override {
    Close();
    DialogTestBase::TearDown();
    for (const auto& path : created_) DeleteFileA(path.c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  std::string DataFile(const std::string& name, const std::vector<WordsnapRecord>& records = {}) {
    const std::string path = folder_ + "\\" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const WordsnapRecord& record : records) {
      const RecordBytes bytes = EncodeRecord(record);
      out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    created_.push_back(path);
    return path;
  }

  std::vector<WordsnapRecord> RecordsIn(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<WordsnapRecord> records;
    for (std::size_t at = 0; at + kRecordSize <= bytes.size(); at += kRecordSize)
      records.push_back(DecodeRecord(RecordView(reinterpret_cast<const std::uint8_t*>(bytes.data() + at), kRecordSize)));
    return records;
  }

  HWND Open(std::vector<std::string> arguments = {}) {
    window_ = std::make_unique<TMainWin>(state_, MainWinServices{profiles_, files_, syncFiles_, clock_}, SW_SHOWNORMAL,
                                         std::move(arguments));
    EXPECT_TRUE(window_->Create(GetModuleHandleA(nullptr)));
    return window_->Handle();
  }

  void Close() {
    if (!window_) return;
    if (IsWindow(window_->Handle())) SendMessageA(window_->Handle(), WM_CLOSE, 0, 0);
    window_.reset();
    MSG message;  // the quit message the window posted must not end a later test's loop
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  std::optional<std::string> Written(const std::string& section, const std::string& key) {
    std::optional<std::string> value;
    for (const auto& call : profiles_.writes)
      if (call.section == section && call.key == key) value = call.value;
    return value;
  }

  HWND Main() const { return window_->Handle(); }
  HWND DataPanel() const { return GetDlgItem(Main(), IDC_MAIN_DATAPANEL); }
  HWND SpeedPanel() const { return GetDlgItem(Main(), IDC_MAIN_SPEEDPANEL); }
  HWND KeyList() const { return GetDlgItem(DataPanel(), IDC_MAIN_KEYLIST); }
  HWND SpeedButton(int command) const { return GetDlgItem(SpeedPanel(), command); }

  void Command(int id) { SendMessageA(Main(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    const int count = static_cast<int>(SendMessageA(KeyList(), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      char text[64] = {};
      SendMessageA(KeyList(), LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
      rows.push_back(text);
    }
    return rows;
  }

  int Selected() const { return static_cast<int>(SendMessageA(KeyList(), LB_GETCURSEL, 0, 0)); }

  // Selects a row as a click would: the list tells its parent about the change.
  void ClickRow(int row) {
    SendMessageA(KeyList(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    SendMessageA(DataPanel(), WM_COMMAND, MAKEWPARAM(IDC_MAIN_KEYLIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(KeyList()));
  }

  std::string folder_;
  std::vector<std::string> created_;
  AppState state_;
  fakes::FakeProfileStore profiles_;
  Win32DataFileAccess files_;
  Win32SyncFileAccess syncFiles_;
  Win32LocalClock clock_;
  std::unique_ptr<TMainWin> window_;
};

}  // namespace wordsnap::win_test
