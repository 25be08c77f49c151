#pragma once
// The rows of the list output read from the data file as DoOutput reaches
// them: each row's record goes through the current-record buffer, so a record
// another copy changed meanwhile is written as it is now.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/list_output/list_output.h"
#include "core/seam/data_file_access.h"
#include "core/store/store_messages.h"
#include "core/store/wordsnap_store.h"

namespace wordsnap {

class StoreRowReader {
 public:
  // recordNos: the RecordNo of each list row's node, in row order.
  StoreRowReader(WordsnapStore& store, DataFileAccess& files, std::string currentFile,
                 std::vector<std::int32_t> recordNos)
      : store_(store), files_(files), currentFile_(std::move(currentFile)), recordNos_(std::move(recordNos)) {}

  int RowCount() const { return static_cast<int>(recordNos_.size()); }
  // The row's name and text, or nothing when its record cannot be read.
  std::optional<ListOutputEntry> operator()(int row);
  // The store's message for the read that failed, to show after the file is closed.
  const std::optional<StoreMessage>& Failure() const { return failure_; }

 private:
  WordsnapStore& store_;
  DataFileAccess& files_;
  std::string currentFile_;
  std::vector<std::int32_t> recordNos_;
  std::optional<StoreMessage> failure_;
};

}  // namespace wordsnap
