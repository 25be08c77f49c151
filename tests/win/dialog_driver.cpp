#include "dialog_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <sstream>
#include <utility>
#include <vector>

namespace wordsnap::win_test {
namespace {

using Clock = std::chrono::steady_clock;

struct PendingStep {
  std::string caption;
  DialogStep step;
  std::chrono::milliseconds deadline;
};

// A window a step acted on: it must be closed by `closeBy`.
struct ActedOn {
  HWND window;
  std::string caption;
  std::chrono::milliseconds deadline;
  Clock::time_point closeBy;
};

struct Driver {
  std::deque<PendingStep> pending;
  Clock::time_point frontSince;  // when the first pending step became the next to run
  std::vector<ActedOn> actedOn;
  UINT_PTR timer = 0;
};

Driver& TheDriver() {
  static Driver driver;
  return driver;
}

bool IsOpen(HWND window) { return IsWindow(window) && IsWindowVisible(window); }

std::string Caption(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof(text));
  return text;
}

bool IsDialog(HWND window) {
  char cls[16] = {};
  GetClassNameA(window, cls, sizeof(cls));
  return std::string(cls) == "#32770";
}

BOOL CALLBACK CollectVisible(HWND window, LPARAM context) {
  if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
  return TRUE;
}

std::vector<HWND> OpenWindowsOfThisThread() {
  std::vector<HWND> windows;
  EnumThreadWindows(GetCurrentThreadId(), CollectVisible, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

HWND FindCaptioned(const std::string& caption) {
  for (HWND window : OpenWindowsOfThisThread())
    if (Caption(window) == caption) return window;
  return nullptr;
}

std::string Seconds(std::chrono::milliseconds duration) {
  std::ostringstream text;
  text << static_cast<double>(duration.count()) / 1000.0 << " s";
  return text.str();
}

std::string OpenDialogsText() {
  std::string text;
  for (HWND window : OpenWindowsOfThisThread()) {
    if (!IsDialog(window)) continue;
    text += (text.empty() ? "\"" : ", \"") + Caption(window) + "\"";
  }
  return text.empty() ? "none" : text;
}

// Ends every open dialog of this thread, so that the modal loops under test return.
void CloseOpenDialogs() {
  for (HWND window : OpenWindowsOfThisThread())
    if (IsDialog(window)) EndDialog(window, IDCANCEL);
}

void Remember(HWND window, const std::string& caption, std::chrono::milliseconds deadline) {
  auto& actedOn = TheDriver().actedOn;
  std::erase_if(actedOn, [window](const ActedOn& a) { return a.window == window; });
  actedOn.push_back({window, caption, deadline, Clock::now() + deadline});
}

void StopTimerWhenIdle() {
  Driver& driver = TheDriver();
  if (!driver.pending.empty() || !driver.actedOn.empty() || driver.timer == 0) return;
  KillTimer(nullptr, driver.timer);
  driver.timer = 0;
}

// Steps run from here, and a step may run a nested modal loop that ticks again:
// nothing here holds a reference into the driver's lists across a step.
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  Driver& driver = TheDriver();
  std::erase_if(driver.actedOn, [](const ActedOn& a) { return !IsOpen(a.window); });

  const auto now = Clock::now();
  const auto late = std::find_if(driver.actedOn.begin(), driver.actedOn.end(),
                                 [now](const ActedOn& a) { return now > a.closeBy; });
  if (late != driver.actedOn.end()) {
    ADD_FAILURE() << "the dialog \"" << late->caption << "\" was still open " << Seconds(late->deadline)
                  << " after its step began: the step did not close it (open dialogs: " << OpenDialogsText()
                  << "; closing them)";
    driver.actedOn.clear();
    CloseOpenDialogs();
  }

  if (!driver.pending.empty()) {
    const PendingStep& front = driver.pending.front();
    if (HWND window = FindCaptioned(front.caption)) {
      PendingStep current = std::move(driver.pending.front());
      driver.pending.pop_front();
      driver.frontSince = Clock::now();
      // Watched from the start: a step that runs a nested dialog nobody answers is caught too.
      Remember(window, current.caption, current.deadline);
      current.step(window);
      if (IsOpen(window)) Remember(window, current.caption, current.deadline);
    } else if (now - driver.frontSince > front.deadline) {
      ADD_FAILURE() << "no window captioned \"" << front.caption << "\" appeared within " << Seconds(front.deadline)
                    << " for the dialog step waiting for it (open dialogs: " << OpenDialogsText()
                    << "; closing them)";
      driver.pending.pop_front();
      driver.frontSince = Clock::now();
      driver.actedOn.clear();
      CloseOpenDialogs();
    }
  }
  StopTimerWhenIdle();
}

}  // namespace

void OnDialog(const std::string& caption, DialogStep step, std::chrono::milliseconds deadline) {
  Driver& driver = TheDriver();
  if (driver.pending.empty()) driver.frontSince = Clock::now();
  driver.pending.push_back({caption, std::move(step), deadline});
  if (driver.timer == 0) driver.timer = SetTimer(nullptr, 0, 20, Tick);
}

int ForgetPendingSteps() {
  Driver& driver = TheDriver();
  const int count = static_cast<int>(driver.pending.size());
  driver.pending.clear();
  driver.actedOn.clear();
  if (driver.timer != 0) KillTimer(nullptr, driver.timer);
  driver.timer = 0;
  return count;
}

std::string ControlText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  const int length = GetWindowTextLengthA(control);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(control, text.data(), length + 1)));
  return text;
}

void SetControlText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

void PressButton(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void ChooseCommand(HWND dialog, int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

bool MenuItemChecked(HWND dialog, int id) {
  return (GetMenuState(GetMenu(dialog), static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool MenuItemEnabled(HWND dialog, int id) {
  return (GetMenuState(GetMenu(dialog), static_cast<UINT>(id), MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

}  // namespace wordsnap::win_test
