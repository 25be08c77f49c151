// The "Network Considerations" dialog driven in this process: what it closes with
// when its minutes are left as shown and when they are no number.
#include <windows.h>

#include <gtest/gtest.h>

#include "Network.h"
#include "Network_ids.h"
#include "dialog_test_base.h"

namespace wordsnap::win_test {
namespace {

constexpr char kCaption[] = "Network Considerations";

class NetworkDialogTest : public DialogTestBase {
 protected:
  NetworkDialogValues Run(const NetworkDialogValues& values) {
    const NetworkDialogValues closed = RunNetwork(nullptr, showing_, values);
    EXPECT_FALSE(showing_);
    return closed;
  }

  bool showing_ = false;
};

TEST_F(NetworkDialogTest, MinutesLeftAsShownKeepTheirValueEvenAboveWhatTheBoxTakes) {
  OnDialog(kCaption, [](HWND dialog) {
    EXPECT_EQ(ControlText(dialog, IDC_NETWORK_MINUTES), "150");
    PressButton(dialog, IDOK);
  });
  const NetworkDialogValues closed = Run({true, true, 150});
  EXPECT_EQ(closed.syncMinutes, 150);
  EXPECT_TRUE(closed.autoSync);
}

TEST_F(NetworkDialogTest, MinutesThatAreNoNumberGiveZeroAndTurnAutomaticSyncOff) {
  OnDialog(kCaption, [](HWND dialog) {
    SetControlText(dialog, IDC_NETWORK_MINUTES, "5m");
    PostMessageA(dialog, WM_CLOSE, 0, 0);  // closed any way, the values apply
  });
  const NetworkDialogValues closed = Run({true, true, 10});
  EXPECT_EQ(closed.syncMinutes, 0);
  EXPECT_FALSE(closed.autoSync);
  EXPECT_TRUE(closed.networkMode);
}

}  // namespace
}  // namespace wordsnap::win_test
