#include "core/transfer/transfer_commands.h"

#include "core/store/output_target.h"
#include "core/transfer/ascii_import.h"
#include "core/transfer/text_import.h"

namespace wordsnap {
namespace {

// The hourglass for as long as it lives.
class BusyCursor {
 public:
  explicit BusyCursor(TransferHost& host) : host_(host) { host_.SetBusyCursor(true); }
  ~BusyCursor() { host_.SetBusyCursor(false); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  TransferHost& host_;
};

// The import's messages and questions while the hourglass shows. A message box
// brings the normal cursor back, so the hourglass is set again as soon as it closes.
class BusyImportHost final : public ImportHost {
 public:
  explicit BusyImportHost(TransferHost& host) : host_(host) {}
  void ShowMessage(const StoreMessage& message) override {
    host_.ShowMessage(message);
    host_.SetBusyCursor(true);
  }
  bool AskDuplicate(const std::string& question) override {
    const bool replace = host_.AskDuplicate(question);
    host_.SetBusyCursor(true);
    return replace;
  }
  int CompareEntries(std::string_view a, std::string_view b) override { return host_.CompareEntries(a, b); }

 private:
  TransferHost& host_;
};

enum class ImportFormat { AsciiDelimited, Text };

// Reads the import file into the list; the refusal to show when it cannot be
// read or is not in the format.
std::optional<StoreMessage> ReadImportList(TransferHost& host, const std::string& path, ImportFormat format,
                                           ImportList& list) {
  const std::optional<std::string> bytes = host.ReadWholeFile(path);
  if (!bytes) return ImportFileUnreadableMessage(path);
  if (format == ImportFormat::AsciiDelimited) {
    ImportFileReader firstLine(*bytes);
    const FirstLineStatus status = GetFirstLine(firstLine);
    if (status != FirstLineStatus::Acceptable) return FirstLineRefusalMessage(status);
    list = ReadAsciiDelimitedFile(*bytes);
  } else {
    TextImportRead read = ReadTextImportFile(*bytes);
    if (!read.formatOk) return WrongTextFormatMessage();
    list = std::move(read.list);
  }
  return std::nullopt;
}

ImportCommandResult RunImport(TransferHost& host, const ImportTarget& target, ImportFormat format) {
  ImportCommandResult result;
  NetworkLock lock(host);
  if (!lock.Held()) return result;
  lock.SetChanged(true);  // released as changed on every way out, Cancel included

  const bool ascii = format == ImportFormat::AsciiDelimited;
  if (!host.ConfirmNotice(ascii ? kAsciiImportNotice : kTextImportNotice)) return result;
  const std::int32_t mode = host.RunImportOptions();
  const std::optional<std::string> path = host.ChooseFile(ascii ? kAsciiOpenDialog : kOpenTextDialog);
  if (!path) return result;

  ImportList list;
  std::optional<StoreMessage> refusal;
  {
    BusyCursor busy(host);
    refusal = ReadImportList(host, *path, format, list);
    if (!refusal) {
      result.ran = true;
      BusyImportHost busyHost(host);
      result.counts = AddImportList(list, mode, target, busyHost);
      host.FillList();
    }
  }
  if (refusal) host.ShowMessage(*refusal);
  return result;
}

}  // namespace

ImportCommandResult DoImportAscii(TransferHost& host, const ImportTarget& target) {
  return RunImport(host, target, ImportFormat::AsciiDelimited);
}

ImportCommandResult DoImport(TransferHost& host, const ImportTarget& target) {
  return RunImport(host, target, ImportFormat::Text);
}

std::optional<ExportResult> DoExport(TransferHost& host, WordsnapStore& store, DataFileAccess& files,
                                     const std::string& currentFile) {
  host.ShowNotice(kExportNotice);
  const std::optional<std::string> path = host.ChooseFile(kAsciiSaveDialog);
  if (!path) return std::nullopt;
  if (const std::optional<StoreMessage> refusal = OutputOverDataFileRefusal(files, *path, currentFile)) {
    host.ShowMessage(*refusal);
    return std::nullopt;
  }
  const std::unique_ptr<ExportOutput> out = host.CreateExportFile(*path);
  if (!out) {
    host.ShowMessage(ExportFileNotCreatedMessage(*path));
    return std::nullopt;
  }

  ExportResult result;
  {
    BusyCursor busy(host);
    result = ExportWordsnaps(store, files, currentFile, *out);
    if (!out->Close() && result.outcome == ExportOutcome::Done) {
      result.outcome = ExportOutcome::WriteFailed;
      result.failure = StoreMessage{"The export file " + *path +
                                        " could not be written to the end.  It may be incomplete.",
                                    kCaptionError};
    }
  }
  host.ShowMessage(result.failure ? *result.failure : ExportCompleteMessage());
  return result;
}

StoreMessage ImportFileUnreadableMessage(const std::string& path) {
  return {path + " could not be opened or read.  No Wordsnaps were imported.", kCaptionError};
}

StoreMessage ExportFileNotCreatedMessage(const std::string& path) {
  return {path + " could not be created.  No Wordsnaps were exported.", kCaptionError};
}

}  // namespace wordsnap
