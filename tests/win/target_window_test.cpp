// The foreground-window probe behind the rule that keeps expansions from windows
// above our integrity level: it reads our level and that of another program's
// token. (Another user's token, closed to us, cannot be made under Wine; the rule
// that plays into it is tested natively.)
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/win32_target_window.h"

namespace wordsnap {
namespace {

TEST(TargetWindowTest, AForegroundWindowOfOurOwnLevelTakesOurKeys) {
  HWND window = CreateWindowExA(0, "STATIC", "target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  SetForegroundWindow(window);

  const TargetWindow target = ForegroundTargetWindow();
  ASSERT_TRUE(target.ownIntegrity) << "our own token is always readable";
  EXPECT_FALSE(TargetRefusesOurKeys(target));
  if (GetForegroundWindow() == window) {
    EXPECT_EQ(target.id, reinterpret_cast<std::uintptr_t>(window));
    EXPECT_EQ(target.integrity, target.ownIntegrity);
  }
  DestroyWindow(window);
}

TEST(TargetWindowTest, ReadsTheLevelOfAnotherProgramOfOurs) {
  const std::optional<std::uint32_t> own = ProcessIntegrity(GetCurrentProcessId());
  ASSERT_TRUE(own);
  EXPECT_GE(*own, kIntegrityLow);

  // A second program started by us runs at our level.
  char path[MAX_PATH] = {};
  ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
  std::string commandLine = std::string("\"") + path + "\" --gtest_list_tests";
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED | CREATE_NO_WINDOW,
                             nullptr, nullptr, &startup, &child));
  EXPECT_EQ(ProcessIntegrity(child.dwProcessId), own);
  EXPECT_FALSE(TargetRefusesOurKeys(TargetWindow{1, ProcessIntegrity(child.dwProcessId), own}));
  TerminateProcess(child.hProcess, 0);
  WaitForSingleObject(child.hProcess, 10000);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
}

}  // namespace
}  // namespace wordsnap
