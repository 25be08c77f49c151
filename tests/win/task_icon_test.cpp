// The notification-area icon against a shell that records what it is asked and
// may refuse: the icon never stays away while it is wanted.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TaskIcon.h"
#include "pump_until.h"

namespace wordsnap::win_test {
namespace {

struct ShellCall {
  DWORD message;
  std::string tip;
};

class TaskIconTest : public ::testing::Test {
 protected:
  TTaskIcon::NotifyShell Shell() {
    return [this](DWORD message, NOTIFYICONDATAA& data) {
      calls.push_back({message, data.szTip});
      if (message == NIM_ADD && refusedAdds > 0) {
        --refusedAdds;
        return false;
      }
      return true;
    };
  }

  int Count(DWORD message) const {
    int n = 0;
    for (const ShellCall& call : calls) n += call.message == message ? 1 : 0;
    return n;
  }

  std::vector<ShellCall> calls;
  int refusedAdds = 0;
};

TEST_F(TaskIconTest, AnIconTheShellRefusesIsTriedAgainLaterUntilItIsTaken) {
  refusedAdds = 2;
  TTaskIcon icon(Shell());
  int shownLater = 0;
  icon.OnShownLater = [&] { ++shownLater; };
  icon.SetToolTip("Wordsnaps");
  icon.SetActive(true);
  EXPECT_FALSE(icon.Active());
  EXPECT_TRUE(icon.Wanted());
  ASSERT_TRUE(PumpUntil([&] { return icon.Active(); }, 10000)) << "tries: " << Count(NIM_ADD);
  EXPECT_EQ(Count(NIM_ADD), 3);
  EXPECT_EQ(calls.back().tip, "Wordsnaps");
  EXPECT_EQ(shownLater, 1);
}

TEST_F(TaskIconTest, TheShellsNewTaskbarGetsTheIconAgainAsItIsNow) {
  TTaskIcon icon(Shell());
  int shownLater = 0;
  icon.OnShownLater = [&] { ++shownLater; };
  icon.SetActive(true);
  EXPECT_EQ(shownLater, 0);  // taken when asked
  icon.SetToolTip("Wordsnaps 2000 (KEY)");
  EXPECT_EQ(calls.back().message, static_cast<DWORD>(NIM_MODIFY));
  SendMessageA(icon.Window(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_EQ(Count(NIM_ADD), 2);
  EXPECT_EQ(calls.back().tip, "Wordsnaps 2000 (KEY)");
  EXPECT_TRUE(icon.Active());
  EXPECT_EQ(shownLater, 1);

  // Not wanted: a new taskbar gets nothing.
  icon.SetActive(false);
  SendMessageA(icon.Window(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_EQ(Count(NIM_ADD), 2);
}

TEST_F(TaskIconTest, TheTipShowsAtMost63CharactersAndTheIconGoesWithTheComponent) {
  {
    TTaskIcon icon(Shell());
    icon.SetActive(true);
    icon.SetToolTip(std::string(80, 'x'));
    EXPECT_EQ(calls.back().tip, std::string(63, 'x'));
  }
  EXPECT_EQ(calls.back().message, static_cast<DWORD>(NIM_DELETE));
}

TEST_F(TaskIconTest, ANewIdentifierWhileShownReplacesTheIconAndClicksFollowIt) {
  TTaskIcon icon(Shell());
  int clicks = 0;
  int doubleClicks = 0;
  icon.OnClick = [&] { ++clicks; };
  icon.OnDblClick = [&] { ++doubleClicks; };
  icon.SetActive(true);
  icon.SetTaskIconID(7);
  EXPECT_EQ(Count(NIM_DELETE), 1);
  EXPECT_EQ(Count(NIM_ADD), 2);
  EXPECT_TRUE(icon.Active());

  // The shell's notifications name the icon by its identifier.
  SendMessageA(icon.Window(), WM_USER, 0, WM_LBUTTONUP);
  SendMessageA(icon.Window(), WM_USER, 7, WM_LBUTTONUP);
  SendMessageA(icon.Window(), WM_USER, 7, WM_LBUTTONDBLCLK);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(doubleClicks, 1);
}

}  // namespace
}  // namespace wordsnap::win_test
