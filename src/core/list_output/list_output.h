#pragma once
// The Wordsnap list written to a text file: one block per list row, in the
// list's order, with the full replacement text.

#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace wordsnap {

inline constexpr const char* kOutputDialogTitle = "Write Wordsnap Definitions to File";
inline constexpr const char* kOutputDialogFilter = "Text File (*.TXT)|*.TXT";
inline constexpr const char* kOutputDefaultExtension = "TXT";
inline constexpr std::size_t kOutputPathMaxLength = 255;
inline constexpr std::size_t kOutputNameLineMaxLength = 20;

inline constexpr const char* kUnableToCreateTextFile = "Unable to create text file.";
// A write that fails after the file was created (disk full, network drive gone).
inline constexpr const char* kUnableToWriteTextFile =
    "Unable to write the text file.  The file is incomplete.";

// One row's Wordsnap as it is written.
struct ListOutputEntry {
  std::string name;
  std::string replacementText;
};

// The entry of a row, read from the data file; nothing when it cannot be read
// (the reader keeps the message to show).
using ListOutputRowReader = std::function<std::optional<ListOutputEntry>(int row)>;

// The bytes of one block: "Wordsnap: " and the name (the line cut to 20
// characters), "Replacement Text: " and the text exactly as stored, then an
// empty line; every line ends with CR LF.
std::string ListOutputBlock(const ListOutputEntry& entry);

enum class ListOutputOutcome {
  Written,       // every row's block is in the file
  NotCreated,    // the file could not be created; nothing was written
  WriteFailed,   // writing stopped part way; the file is closed, incomplete
  ReadFailed,    // a row's record could not be read; the blocks before it are in the file
};

struct ListOutputResult {
  ListOutputOutcome outcome = ListOutputOutcome::Written;
  int rowsWritten = 0;
  int failedRow = -1;  // the row that could not be read, for ReadFailed
};

// Writes the blocks of rows 0 .. rowCount-1 to `out`, reading each row just
// before its block and flushing after each block, and stops at the first row
// that cannot be read or the first failed write.
ListOutputResult WriteListOutput(std::ostream& out, int rowCount, const ListOutputRowReader& readRow);

// The path the file is written to: the first 255 characters of the full path.
std::string ListOutputPath(std::string_view fullPath);

// Creates (or overwrites) the file at `path` and writes the list into it; the
// file is closed when this returns, whatever happened.
ListOutputResult WriteListOutputFile(const std::string& path, int rowCount, const ListOutputRowReader& readRow);

// The message DoOutput shows for a result (caption "Error"); nothing when the
// file was written, and nothing for ReadFailed, whose message comes from the read.
std::optional<std::string> ListOutputMessage(const ListOutputResult& result);

}  // namespace wordsnap
