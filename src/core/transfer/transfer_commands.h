#pragma once
// The import and export commands of the File menu, step by step: the window does
// each step through TransferHost (dialogs, messages, files, cursor, list); the
// order, the network lock and the reading and writing live here. Both imports
// hold the lock from their first step to their last and release it on every way
// out, reporting a change, as every command that may write the data file does.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/sync/network_lock.h"
#include "core/transfer/import_pipeline.h"
#include "core/transfer/text_export.h"

namespace wordsnap {

// An open or save dialog of these commands.
struct FileDialogSpec {
  const char* title;
  const char* filter;            // description|pattern
  const char* defaultExtension;
  bool forSaving;  // save: asks before overwriting, the folder must exist; open: the file must exist
};

inline constexpr FileDialogSpec kAsciiOpenDialog = {"Import From ASCII Delimited File",
                                                    "Ascii Delimited Text (*.TXT)|*.TXT", "TXT", false};
inline constexpr FileDialogSpec kOpenTextDialog = {"Text File Import", "Text File (*.TXT)|*.TXT", "TXT", false};
inline constexpr FileDialogSpec kAsciiSaveDialog = {"Text File Export", "Text File (*.TXT)|*.TXT", "TXT", true};

class TransferHost : public ImportHost, public NetworkLockOwner {
 public:
  // A notice with OK and Cancel, caption "Notice"; true for OK.
  virtual bool ConfirmNotice(const std::string& text) = 0;
  // A notice with an OK button only, caption "Notice".
  virtual void ShowNotice(const std::string& text) = 0;
  // The duplicates dialog; the mode chosen, which it has saved as the setting.
  virtual std::int32_t RunImportOptions() = 0;
  // The path chosen in an open or save dialog; nothing when cancelled.
  virtual std::optional<std::string> ChooseFile(const FileDialogSpec& dialog) = 0;
  // Every byte of a file; nothing when it cannot be opened or read.
  virtual std::optional<std::string> ReadWholeFile(const std::string& path) = 0;
  // Creates the export file, or empties an existing one; null when that fails.
  virtual std::unique_ptr<ExportOutput> CreateExportFile(const std::string& path) = 0;
  // The hourglass while true, the normal cursor again when false.
  virtual void SetBusyCursor(bool busy) = 0;
  // Rebuilds the list on screen from the tree.
  virtual void FillList() = 0;
};

struct ImportCommandResult {
  bool ran = false;     // the file was read and its entries went through the pipeline
  ImportCounts counts;  // what became of them
};

// "Import ASCII Delimited File".
ImportCommandResult DoImportAscii(TransferHost& host, const ImportTarget& target);
// "Import Text File".
ImportCommandResult DoImport(TransferHost& host, const ImportTarget& target);
// "Export Text File"; nothing in the result when cancelled before a file was made,
// or when the file chosen is the data file in use or its sync file (refused, with
// nothing written).
std::optional<ExportResult> DoExport(TransferHost& host, WordsnapStore& store, DataFileAccess& files,
                                     const std::string& currentFile);

// An import file that could not be opened or read: nothing was imported.
StoreMessage ImportFileUnreadableMessage(const std::string& path);
// An export file that could not be created: nothing was exported.
StoreMessage ExportFileNotCreatedMessage(const std::string& path);

}  // namespace wordsnap
