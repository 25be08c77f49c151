#include "dialog_driver.h"

#include <deque>
#include <utility>

namespace wordsnap::win_test {
namespace {

struct PendingStep {
  std::string caption;
  DialogStep step;
};

std::deque<PendingStep>& Pending() {
  static std::deque<PendingStep> pending;
  return pending;
}

UINT_PTR& Timer() {
  static UINT_PTR timer = 0;
  return timer;
}

struct Search {
  const std::string* caption;
  HWND found = nullptr;
};

BOOL CALLBACK FindCaptioned(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  char text[256] = {};
  GetWindowTextA(window, text, sizeof(text));
  if (IsWindowVisible(window) && *search->caption == text) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (Pending().empty()) {
    KillTimer(nullptr, Timer());
    Timer() = 0;
    return;
  }
  Search search{&Pending().front().caption};
  EnumThreadWindows(GetCurrentThreadId(), FindCaptioned, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return;
  DialogStep step = std::move(Pending().front().step);
  Pending().pop_front();
  step(search.found);
}

}  // namespace

void OnDialog(const std::string& caption, DialogStep step) {
  Pending().push_back({caption, std::move(step)});
  if (Timer() == 0) Timer() = SetTimer(nullptr, 0, 20, Tick);
}

int ForgetPendingSteps() {
  const int count = static_cast<int>(Pending().size());
  Pending().clear();
  if (Timer() != 0) KillTimer(nullptr, Timer());
  Timer() = 0;
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
