#pragma once
// The messages of network sharing, with their captions. The sync logic returns
// them as values; the window layer shows them.

#include "core/store/store_messages.h"

namespace wordsnap {

inline constexpr const char* kCaptionNotice = "Notice";

inline constexpr const char* kFileInUseByAnotherUser =
    "Wordsnap File in use by another user.  Please try again later.";
inline constexpr const char* kFileChangedByAnotherUser =
    "Wordsnap File has changed by another user.  "
    "Changed Wordsnap file will be reloaded after clicking \"ok\".";

// "Wordsnap File in use by another user.  Please try again later.", caption "Error".
StoreMessage FileInUseMessage();
// The data file was changed by another copy and is reloaded; caption "Notice".
StoreMessage FileChangedMessage();

}  // namespace wordsnap
