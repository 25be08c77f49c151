#pragma once
// The export and the list output empty the file they are given before they read
// a single Wordsnap, so neither may be given the data file in use or its sync
// file: that would destroy every Wordsnap on disk, or the sharing of the file.

#include <optional>
#include <string>

#include "core/seam/data_file_access.h"
#include "core/store/store_messages.h"

namespace wordsnap {

// The refusal to show when target is the data file in use or its sync file,
// compared as files, not only as names (another spelling of the path, a short
// name or a hard link is the same file); nothing when target may be written.
std::optional<StoreMessage> OutputOverDataFileRefusal(DataFileAccess& files, const std::string& target,
                                                      const std::string& currentFile);

}  // namespace wordsnap
