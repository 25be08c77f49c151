#include "core/store/recent_files.h"

#include <gtest/gtest.h>

namespace wordsnap {
namespace {

TEST(RecentFiles, SwitchingPutsTheOldFileFirstAndTakesTheNewOneOut) {
  struct Step {
    const char* oldPath;
    const char* newPath;
    RecentFiles after;
  };
  RecentFiles slots = {"A", "B", "", "", ""};
  const Step steps[] = {
      {"C", "B", {"C", "A", "", "", ""}},
      {"B", "D", {"B", "C", "A", "", ""}},
      {"D", "E", {"D", "B", "C", "A", ""}},
      {"E", "F", {"E", "D", "B", "C", "A"}},
      {"F", "G", {"F", "E", "D", "B", "C"}},  // the oldest drops out
      {"G", "D", {"G", "F", "E", "B", "C"}},  // from the middle of a full list
      {"D", "c", {"D", "G", "F", "E", "B"}},  // matching is case-sensitive
  };
  for (const auto& step : steps) {
    DoLastFiles(slots, step.oldPath, step.newPath);
    EXPECT_EQ(slots, step.after) << step.oldPath << " -> " << step.newPath;
  }
}

TEST(RecentFiles, MenuShowsNonEmptySlotsWithTheirNumbers) {
  const RecentFilesMenu empty = RecentFilesMenuFor({});
  EXPECT_FALSE(empty.separatorVisible);
  for (const auto& entry : empty.entries) EXPECT_FALSE(entry);

  const RecentFilesMenu menu = RecentFilesMenuFor({"C:\\A.WSN", "", "C:\\B.WSN", "", ""});
  EXPECT_TRUE(menu.separatorVisible);
  EXPECT_EQ(menu.entries[0], "&1   C:\\A.WSN");
  EXPECT_FALSE(menu.entries[1]);
  EXPECT_EQ(menu.entries[2], "&3   C:\\B.WSN");
  EXPECT_FALSE(menu.entries[4]);
}

}  // namespace
}  // namespace wordsnap
