#include "MessageBoxes.h"

#include <utility>

namespace wordsnap {
namespace {
MessageSink& Sink() {
  static MessageSink sink;
  return sink;
}
}  // namespace

void SetMessageSink(MessageSink sink) { Sink() = std::move(sink); }

int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT buttons) {
  if (Sink()) return Sink()(text, caption, buttons);
  return MessageBoxA(owner, text.c_str(), caption.c_str(), buttons);
}

void FatalStartupError(HWND owner, const std::string& text) {
  ShowMessage(owner, text, "System Error", MB_OK);
  ExitProcess(1);
}

}  // namespace wordsnap
