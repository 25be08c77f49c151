#include "core/store/prefix_keys_change.h"

#include "core/store/data_file_operations.h"

namespace wordsnap {

PrefixKeysChange ChangePrefixKeys(NetworkLockOwner& lockOwner, WordsnapStore& store, DataFileAccess& files,
                                  const std::string& currentFile, const std::string& keys) {
  NetworkLock lock(lockOwner);
  if (!lock.Held()) return {};
  store.prefixKeys = keys.substr(0, kMaxPrefixKeys);
  const StoreResult written = ChangePrefixInFile(store, files, currentFile);
  // A write that failed part way may still have reached the file.
  lock.SetChanged(written.outcome != StoreOutcome::NotOpened);
  return {true, written.message};
}

}  // namespace wordsnap
