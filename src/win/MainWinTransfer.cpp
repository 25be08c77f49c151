// The main window's imports and export: the File menu's "Import ASCII Delimited
// File", "Import Text File" and "Export Text File". Their order, the network lock
// and the reading and writing are plain logic; this side shows the dialogs and
// messages and reads and writes the files.
#include <windows.h>

#include <fstream>
#include <iterator>

#include "FileDialogs.h"
#include "ImportOptions.h"
#include "MainWin.h"
#include "MessageBoxes.h"
#include "SettingsSave.h"
#include "core/transfer/transfer_commands.h"

namespace wordsnap {
namespace {

// Writes the export file through a stream opened for it.
class FileExportOutput final : public ExportOutput {
 public:
  explicit FileExportOutput(const std::string& path) : out_(path, std::ios::binary | std::ios::trunc) {}
  bool IsOpen() const { return out_.is_open(); }
  bool Write(std::string_view bytes) override {
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out_);
  }
  bool Close() override {
    out_.close();
    return !out_.fail();
  }

 private:
  std::ofstream out_;
};

}  // namespace

// The steps of the transfer commands, done by the main window.
class TMainWin::TransferSteps final : public TransferHost {
 public:
  explicit TransferSteps(TMainWin& window) : window_(window) {}

  bool TakeLock() override { return window_.TakeLock(); }
  void ReleaseLock(bool changed) override { window_.ReleaseLock(changed); }

  void ShowMessage(const StoreMessage& message) override {
    wordsnap::ShowMessage(window_.window_, message.text, message.caption);
  }
  bool AskDuplicate(const std::string& question) override {
    return wordsnap::ShowMessage(window_.window_, question, kCaptionDuplicateFound, MB_YESNO) == IDYES;
  }
  // The import list's order is the user's locale's, ignoring case.
  int CompareEntries(std::string_view a, std::string_view b) override {
    const int order = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                     b.data(), static_cast<int>(b.size()));
    return order == 0 ? ImportHost::CompareEntries(a, b) : order - CSTR_EQUAL;
  }

  bool ConfirmNotice(const std::string& text) override {
    return wordsnap::ShowMessage(window_.window_, text, "Notice", MB_OKCANCEL) == IDOK;
  }
  void ShowNotice(const std::string& text) override { wordsnap::ShowMessage(window_.window_, text, "Notice"); }

  // The duplicates dialog saves its choice as the setting when it closes.
  std::int32_t RunImportOptions() override {
    Settings& settings = window_.state_.settings;
    settings.duplicateSetting =
        wordsnap::RunImportOptions(window_.window_, window_.state_.dialogs.importOptions, settings.duplicateSetting);
    SaveSettingsTelling(window_.window_, window_.state_, window_.profiles_);
    return settings.duplicateSetting;
  }

  std::optional<std::string> ChooseFile(const FileDialogSpec& dialog) override {
    return AskForFile(window_.window_, {dialog.title, dialog.filter, dialog.defaultExtension, dialog.forSaving});
  }

  std::optional<std::string> ReadWholeFile(const std::string& path) override {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
  }

  std::unique_ptr<ExportOutput> CreateExportFile(const std::string& path) override {
    auto out = std::make_unique<FileExportOutput>(path);
    if (!out->IsOpen()) return nullptr;
    return out;
  }

  void SetBusyCursor(bool busy) override { SetCursor(LoadCursor(nullptr, busy ? IDC_WAIT : IDC_ARROW)); }

  void FillList() override { window_.FillList(); }

 private:
  TMainWin& window_;
};

void TMainWin::MenuImportAsciiClick() {
  TransferSteps steps(*this);
  DoImportAscii(steps, {state_.store, files_, state_.settings.currentFile});
}

void TMainWin::MenuImportTextClick() {
  TransferSteps steps(*this);
  DoImport(steps, {state_.store, files_, state_.settings.currentFile});
}

void TMainWin::MenuExportClick() {
  TransferSteps steps(*this);
  DoExport(steps, state_.store, files_, state_.settings.currentFile);
}

}  // namespace wordsnap
