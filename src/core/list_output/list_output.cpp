#include "core/list_output/list_output.h"

#include <algorithm>
#include <fstream>

namespace wordsnap {

namespace {

constexpr const char* kLineEnd = "\r\n";

}  // namespace

std::string ListOutputBlock(const ListOutputEntry& entry) {
  std::string block = "Wordsnap: " + entry.name;
  block.resize(std::min(block.size(), kOutputNameLineMaxLength));
  block += kLineEnd;
  block += "Replacement Text: ";
  block += entry.replacementText;
  block += kLineEnd;
  block += kLineEnd;
  return block;
}

ListOutputResult WriteListOutput(std::ostream& out, int rowCount, const ListOutputRowReader& readRow) {
  ListOutputResult result;
  for (int row = 0; row < rowCount; ++row) {
    const std::optional<ListOutputEntry> entry = readRow(row);
    if (!entry) {
      result.outcome = ListOutputOutcome::ReadFailed;
      result.failedRow = row;
      return result;
    }
    const std::string block = ListOutputBlock(*entry);
    out.write(block.data(), static_cast<std::streamsize>(block.size()));
    out.flush();
    if (!out) {
      result.outcome = ListOutputOutcome::WriteFailed;
      return result;
    }
    ++result.rowsWritten;
  }
  return result;
}

std::string ListOutputPath(std::string_view fullPath) {
  return std::string(fullPath.substr(0, kOutputPathMaxLength));
}

ListOutputResult WriteListOutputFile(const std::string& path, int rowCount, const ListOutputRowReader& readRow) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file.is_open()) return {ListOutputOutcome::NotCreated, 0, -1};
  ListOutputResult result = WriteListOutput(file, rowCount, readRow);
  file.close();
  if (result.outcome == ListOutputOutcome::Written && file.fail()) result.outcome = ListOutputOutcome::WriteFailed;
  return result;
}

std::optional<std::string> ListOutputMessage(const ListOutputResult& result) {
  switch (result.outcome) {
    case ListOutputOutcome::NotCreated:
      return std::string(kUnableToCreateTextFile);
    case ListOutputOutcome::WriteFailed:
      return std::string(kUnableToWriteTextFile);
    case ListOutputOutcome::Written:
    case ListOutputOutcome::ReadFailed:
      break;
  }
  return std::nullopt;
}

}  // namespace wordsnap
