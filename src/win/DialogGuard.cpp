#include "DialogGuard.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "MessageBoxes.h"

namespace wordsnap {
namespace {

// Dialogs run on the one GUI thread, so one list serves the whole program.
std::vector<HWND>& OpenList() {
  static std::vector<HWND> open;
  return open;
}

}  // namespace

TDialogShowing::TDialogShowing(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }

TDialogShowing::~TDialogShowing() {
  flag_ = previous_;
  std::vector<HWND>& open = OpenList();
  open.erase(std::remove(open.begin(), open.end(), dialog_), open.end());
}

void TDialogShowing::Attach(HWND dialog) {
  dialog_ = dialog;
  OpenList().push_back(dialog);
}

std::vector<HWND> OpenDialogs() { return OpenList(); }

void CloseOpenDialogs() {
  const std::vector<HWND> open = OpenList();
  for (auto it = open.rbegin(); it != open.rend(); ++it)
    if (IsWindow(*it)) PostMessageA(*it, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

void ReportUnexpectedError(HWND window, std::exception_ptr error) noexcept {
  try {
    std::string text = "An unexpected error occurred.";
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      text += std::string("  ") + e.what();
    } catch (...) {
    }
    ShowMessage(window, text, "Error");
  } catch (...) {
    // Nothing is left to report with.
  }
}

}  // namespace wordsnap
