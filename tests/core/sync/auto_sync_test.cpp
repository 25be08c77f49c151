#include "core/sync/auto_sync.h"

#include <gtest/gtest.h>

#include <vector>

namespace wordsnap {
namespace {

TEST(AutoSync, ReloadFallsDueEverySyncMinutesTicks) {
  SyncState state;
  std::vector<int> reloads;
  for (int tick = 1; tick <= 9; ++tick) {
    if (SyncTimerTick(state, 3)) reloads.push_back(tick);
  }
  EXPECT_EQ(reloads, (std::vector<int>{3, 6, 9}));
  EXPECT_EQ(state.minuteCount, 0);
  EXPECT_TRUE(SyncTimerTick(state, 1));
}

TEST(AutoSync, TimerRunsAtStartupOnlyWithNetworkModeAndAutoSync) {
  struct Case {
    bool networkMode, autoSync, runs;
  };
  const Case cases[] = {{true, true, true}, {true, false, false}, {false, true, false}, {false, false, false}};
  for (const Case& c : cases) {
    SyncState state;
    state.minuteCount = 4;
    EXPECT_EQ(StartSyncTimerAtStartup(state, c.networkMode, c.autoSync), c.runs);
    EXPECT_EQ(state.minuteCount, 0);
  }
}

TEST(AutoSync, NetworkDialogRestartsTheCountOnlyWhenAutoSyncWasOff) {
  struct Case {
    bool whenOpened, now, runs;
    int minuteCount;
  };
  const Case cases[] = {{false, true, true, 0}, {true, true, true, 2}, {true, false, false, 2}, {false, false, false, 2}};
  for (const Case& c : cases) {
    SyncState state;
    state.minuteCount = 2;
    EXPECT_EQ(StartSyncTimerAfterNetworkDialog(state, c.whenOpened, c.now), c.runs);
    EXPECT_EQ(state.minuteCount, c.minuteCount);
  }
}

TEST(AutoSync, SelectionAfterReloadStaysOrMovesToTheLastEntry) {
  struct Case {
    int noted, entries, selected;
  };
  const Case cases[] = {{3, 10, 3}, {9, 5, 4}, {0, 0, -1}, {2, 0, -1}, {-1, 5, -1}, {4, 5, 4}};
  for (const Case& c : cases) EXPECT_EQ(IndexToSelectAfterReload(c.noted, c.entries), c.selected) << c.noted;
}

}  // namespace
}  // namespace wordsnap
