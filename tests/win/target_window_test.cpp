// The foreground-window probe behind the elevated-window rule. Wine reports no
// process as elevated, so this only shows that the probe runs and finds no window
// that would refuse the keys of an ordinary test process.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_target_window.h"

namespace wordsnap {
namespace {

TEST(TargetWindowTest, AnOrdinaryForegroundWindowTakesOurKeys) {
  HWND window = CreateWindowExA(0, "STATIC", "target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  SetForegroundWindow(window);

  const TargetWindow target = ForegroundTargetWindow();
  EXPECT_FALSE(target.elevated && !target.selfElevated);
  if (GetForegroundWindow() == window) {
    EXPECT_EQ(target.id, reinterpret_cast<std::uintptr_t>(window));
  }
  DestroyWindow(window);
}

}  // namespace
}  // namespace wordsnap
