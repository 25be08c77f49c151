#include "core/list_output/list_output_rows.h"

#include "core/store/data_file_operations.h"

namespace wordsnap {

std::optional<ListOutputEntry> StoreRowReader::operator()(int row) {
  if (row < 0 || row >= RowCount()) return std::nullopt;
  const StoreResult read = LoadAHotKey(store_, files_, currentFile_, recordNos_[static_cast<std::size_t>(row)]);
  if (!read.Ok()) {
    failure_ = read.message;
    return std::nullopt;
  }
  return ListOutputEntry{store_.current.Record.Name, store_.current.Record.ReplacementText};
}

}  // namespace wordsnap
