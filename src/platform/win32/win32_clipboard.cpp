#include "platform/win32/win32_clipboard.h"

#include <cstring>

namespace wordsnap {
namespace {

// Another program may hold the clipboard open for a moment.
constexpr int kClipboardOpenTries = 10;
constexpr DWORD kClipboardRetryMs = 10;

bool OpenClipboardPatiently(HWND owner) {
  for (int attempt = 0; attempt < kClipboardOpenTries; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(kClipboardRetryMs);
  }
  return false;
}

}  // namespace

bool PlaceClipboardText(HWND owner, const std::string& text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (!memory) return false;
  void* bytes = GlobalLock(memory);
  if (!bytes) {
    GlobalFree(memory);
    return false;
  }
  std::memcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(memory);

  if (!OpenClipboardPatiently(owner)) {
    GlobalFree(memory);
    return false;
  }
  const bool placed = EmptyClipboard() && SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(memory);  // the clipboard owns the memory only once it was placed
  return placed;
}

}  // namespace wordsnap
