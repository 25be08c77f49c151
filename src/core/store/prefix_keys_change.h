#pragma once
// New prefix keys, from the prefix and suffix dialog or the "/P" switch, go into
// record 1 of the data file like every other change: under the network lock, and
// counted as a change, so other copies reload them at once instead of at their
// next reload.

#include <optional>
#include <string>

#include "core/seam/data_file_access.h"
#include "core/store/store_messages.h"
#include "core/store/wordsnap_store.h"
#include "core/sync/network_lock.h"

namespace wordsnap {

struct PrefixKeysChange {
  bool applied = false;                 // the keys are now in force
  std::optional<StoreMessage> message;  // show it when set
};

// Takes the lock; when it is granted, puts the keys (at most 2 characters) in
// force, writes them into record 1 and releases the lock as changed unless the
// file could not be opened. When the lock is refused (the reason has been shown),
// the keys in force stay as they were, or as the reload after another copy's
// change made them, so they always match the file's.
PrefixKeysChange ChangePrefixKeys(NetworkLockOwner& lockOwner, WordsnapStore& store, DataFileAccess& files,
                                  const std::string& currentFile, const std::string& keys);

}  // namespace wordsnap
