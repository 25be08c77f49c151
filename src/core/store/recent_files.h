#pragma once
// The list of recently used data files behind the File menu: five slots, the
// most recent first, an empty text marking an empty slot.

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "core/settings/settings.h"

namespace wordsnap {

// The slots are the settings' "Last File" entries.
using RecentFiles = std::array<std::string, kRecentFileCount>;

// After switching from oldPath to newPath: newPath leaves the list (exact,
// case-sensitive match) and oldPath becomes the most recent entry; the oldest
// entry drops out when the list is full.
void DoLastFiles(RecentFiles& slots, const std::string& oldPath, const std::string& newPath);

// What the recent-files part of the File menu shows.
struct RecentFilesMenu {
  bool separatorVisible = false;
  // Caption of each slot's entry ("&1   " followed by the path); none when hidden.
  std::array<std::optional<std::string>, kRecentFileCount> entries;
};

RecentFilesMenu RecentFilesMenuFor(const RecentFiles& slots);

}  // namespace wordsnap
