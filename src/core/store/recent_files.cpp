#include "core/store/recent_files.h"

#include <algorithm>

namespace wordsnap {

void DoLastFiles(RecentFiles& slots, const std::string& oldPath, const std::string& newPath) {
  const auto found = std::find(slots.begin(), slots.end(), newPath);
  if (found != slots.end()) {
    std::move(found + 1, slots.end(), found);
    slots.back().clear();
  }
  std::move_backward(slots.begin(), slots.end() - 1, slots.end());
  slots.front() = oldPath;
}

RecentFilesMenu RecentFilesMenuFor(const RecentFiles& slots) {
  RecentFilesMenu menu;
  for (std::size_t i = 0; i < kRecentFileCount; ++i) {
    if (slots[i].empty()) continue;
    menu.separatorVisible = true;
    menu.entries[i] = "&" + std::to_string(i + 1) + "   " + slots[i];
  }
  return menu;
}

}  // namespace wordsnap
