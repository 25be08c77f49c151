#include "core/options/network_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wordsnap {
namespace {

TEST(NetworkValuesFromBoxes, MinutesAreTheWholeNumberTypedAndZeroEndsAutomaticSync) {
  struct Case {
    const char* minutes;
    std::uint16_t shown;  // the value the box showed on opening
    bool autoSyncAsked;
    std::uint16_t syncMinutes;
    bool autoSync;
  };
  const Case cases[] = {
      {"15", 10, true, 15, true},   {" 7 ", 10, true, 7, true},   {"+7", 10, true, 7, true},
      {"0", 10, true, 0, false},    {"", 10, true, 0, false},     {"x", 10, true, 0, false},
      {"-5", 10, true, 0, false},   {"99", 10, true, 99, true},   {"15", 10, false, 15, false},
      // A number with anything after it is no number.
      {"5m", 10, true, 0, false},   {"1 5", 10, true, 0, false},  {"-", 10, true, 0, false},
      // Left as shown, a value stays, even one the box could not take from the keyboard.
      {"150", 150, true, 150, true}, {"10", 10, true, 10, true},  {"0", 0, true, 0, false},
      // Changed, it is held to what two characters can say.
      {"15", 150, true, 15, true},  {"150", 10, true, 99, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.minutes) + " shown " + std::to_string(c.shown));
    const NetworkDialogValues values = NetworkValuesFromBoxes(true, c.autoSyncAsked, c.minutes, c.shown);
    EXPECT_TRUE(values.networkMode);
    EXPECT_EQ(values.syncMinutes, c.syncMinutes);
    EXPECT_EQ(values.autoSync, c.autoSync);
  }
}

struct RecordingHost : NetworkOptionsHost {
  std::vector<std::string> steps;
  void StartSyncTimer() override { steps.push_back("start timer"); }
  void StopSyncTimer() override { steps.push_back("stop timer"); }
  void AttachNetwork() override { steps.push_back("attach"); }
  void SaveSettings() override { steps.push_back("save"); }
};

TEST(CloseNetworkDialog, TimerFollowsAutoSyncAndOnlyANewNetworkModeReadsTheSyncFile) {
  struct Case {
    const char* name;
    bool networkBefore, autoSyncBefore;
    NetworkDialogValues chosen;
    std::vector<std::string> steps;
    int minuteCount;  // after closing, from 4 before
  };
  const Case cases[] = {
      {"network switched on", false, false, {true, true, 5}, {"start timer", "attach", "save"}, 0},
      {"left on, auto sync kept", true, true, {true, true, 5}, {"start timer", "save"}, 4},
      {"auto sync switched off", true, true, {true, false, 5}, {"stop timer", "save"}, 4},
      {"network switched off", true, true, {false, false, 10}, {"stop timer", "save"}, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Settings settings;
    settings.networkMode = c.networkBefore;
    settings.autoSync = c.autoSyncBefore;
    SyncState sync;
    sync.minuteCount = 4;
    RecordingHost host;
    CloseNetworkDialog(settings, sync, c.chosen, host);
    EXPECT_EQ(host.steps, c.steps);
    EXPECT_EQ(settings.networkMode, c.chosen.networkMode);
    EXPECT_EQ(settings.autoSync, c.chosen.autoSync);
    EXPECT_EQ(settings.syncMinutes, c.chosen.syncMinutes);
    EXPECT_EQ(sync.minuteCount, c.minuteCount);
  }
}

}  // namespace
}  // namespace wordsnap
