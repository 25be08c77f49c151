#include "core/sync/sync_messages.h"

namespace wordsnap {

StoreMessage FileInUseMessage() { return {kFileInUseByAnotherUser, kCaptionError}; }

StoreMessage FileChangedMessage() { return {kFileChangedByAnotherUser, kCaptionNotice}; }

}  // namespace wordsnap
