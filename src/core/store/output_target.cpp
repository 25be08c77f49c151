#include "core/store/output_target.h"

#include "core/ascii_case.h"
#include "core/sync/sync_record.h"

namespace wordsnap {
namespace {

// Names compared as the file system would when a file cannot be asked: letters
// in either case and either slash are the same.
bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char x = a[i] == '/' ? '\\' : UpperAscii(a[i]);
    const char y = b[i] == '/' ? '\\' : UpperAscii(b[i]);
    if (x != y) return false;
  }
  return true;
}

bool IsSameFile(DataFileAccess& files, const std::string& target, const std::string& file) {
  if (const std::optional<bool> same = files.SameFile(target, file)) return *same;
  return SameName(target, file);
}

}  // namespace

std::optional<StoreMessage> OutputOverDataFileRefusal(DataFileAccess& files, const std::string& target,
                                                      const std::string& currentFile) {
  if (IsSameFile(files, target, currentFile)) {
    return StoreMessage{target + " is the Wordsnap file in use.  Writing to it would destroy its Wordsnaps.  "
                                 "Please choose another file; nothing was written.",
                        kCaptionError};
  }
  if (IsSameFile(files, target, SyncFileNameFor(currentFile))) {
    return StoreMessage{target + " is the sync file of the Wordsnap file in use.  Writing to it would upset the "
                                 "sharing of the Wordsnap file.  Please choose another file; nothing was written.",
                        kCaptionError};
  }
  return std::nullopt;
}

}  // namespace wordsnap
