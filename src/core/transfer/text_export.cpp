#include "core/transfer/text_export.h"

#include "core/store/data_file_operations.h"
#include "core/transfer/text_format.h"

namespace wordsnap {
SaveOutcome SaveOutRecord(WordsnapStore& store, DataFileAccess& files, const std::string& currentFile,
                          std::int32_t recordNo, ExportOutput& out) {
  if (!LoadAHotKey(store, files, currentFile, recordNo).Ok()) return SaveOutcome::ReadFailed;
  const WordsnapRecord& record = store.current.Record;
  std::string block;
  block.reserve(kItemNameMarker.size() + record.Name.size() + 2 * kLineBreak.size() + record.ReplacementText.size());
  block.append(kItemNameMarker).append(record.Name).append(kLineBreak).append(StorableText(record.ReplacementText));
  if (recordNo != store.recordCount) block.append(kLineBreak);
  return out.Write(block) ? SaveOutcome::Saved : SaveOutcome::WriteFailed;
}

ExportResult ExportWordsnaps(WordsnapStore& store, DataFileAccess& files, const std::string& currentFile,
                             ExportOutput& out) {
  ExportResult result;
  result.total = store.recordCount;
  for (std::int32_t recordNo = 1; recordNo <= store.recordCount; ++recordNo) {
    const SaveOutcome saved = SaveOutRecord(store, files, currentFile, recordNo, out);
    if (saved == SaveOutcome::Saved) {
      ++result.exported;
      continue;
    }
    const std::string done = "  " + std::to_string(result.exported) + " of " + std::to_string(result.total) +
                             " Wordsnaps were exported.";
    if (saved == SaveOutcome::ReadFailed) {
      result.outcome = ExportOutcome::ReadFailed;
      result.failure = StoreMessage{"The export stopped: Wordsnap " + std::to_string(recordNo) +
                                        " could not be read from " + currentFile + "." + done,
                                    kCaptionError};
    } else {
      result.outcome = ExportOutcome::WriteFailed;
      result.failure = StoreMessage{"The export stopped: the export file could not be written." + done, kCaptionError};
    }
    break;
  }
  return result;
}

StoreMessage ExportCompleteMessage() { return {kExportComplete, kCaptionOk}; }

}  // namespace wordsnap
