#include "MessageBoxes.h"

namespace wordsnap {

int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT buttons) {
  return MessageBoxA(owner, text.c_str(), caption.c_str(), buttons);
}

void FatalStartupError(HWND owner, const std::string& text) {
  ShowMessage(owner, text, "System Error", MB_OK);
  ExitProcess(1);
}

}  // namespace wordsnap
