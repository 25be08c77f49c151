#pragma once
// Writing every Wordsnap of the open data file to a text file that the text
// import reads back. The export only reads the data file.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/seam/data_file_access.h"
#include "core/store/store_messages.h"
#include "core/store/wordsnap_store.h"

namespace wordsnap {

inline constexpr const char* kExportNotice =
    "Wordsnaps exports the data in a format that can be re-imported into Wordsnaps.";
inline constexpr const char* kExportComplete = "Export Complete.";
inline constexpr const char* kCaptionOk = "Ok";

// The file an export writes; the program's is a real file, tests keep the bytes.
class ExportOutput {
 public:
  virtual ~ExportOutput() = default;
  // Writes all of the bytes after those written before, or returns false.
  virtual bool Write(std::string_view bytes) = 0;
  // Ends the writing; false when what was written may not all have reached the file.
  virtual bool Close() { return true; }
};

class StringExportOutput final : public ExportOutput {
 public:
  bool Write(std::string_view bytes) override {
    this->bytes.append(bytes);
    return true;
  }
  std::string bytes;
};

enum class ExportOutcome {
  Done,
  ReadFailed,   // a record could not be read from the data file
  WriteFailed,  // the export file could not be written
};

struct ExportResult {
  ExportOutcome outcome = ExportOutcome::Done;
  std::int32_t exported = 0;  // Wordsnaps written whole to the export file
  std::int32_t total = 0;     // Wordsnaps the data file was to give
  std::optional<StoreMessage> failure;  // what to tell the user when not Done
};

enum class SaveOutcome { Saved, ReadFailed, WriteFailed };

// Reads record n into the current-record buffer and writes its block; the block
// end is left off when n is the record count.
SaveOutcome SaveOutRecord(WordsnapStore& store, DataFileAccess& files, const std::string& currentFile,
                          std::int32_t recordNo, ExportOutput& out);

// Writes records 1 to the record count, in that order, stopping at the first
// failure with a message that says how many were exported.
ExportResult ExportWordsnaps(WordsnapStore& store, DataFileAccess& files, const std::string& currentFile,
                             ExportOutput& out);

// The closing report of an export that went through.
StoreMessage ExportCompleteMessage();

}  // namespace wordsnap
