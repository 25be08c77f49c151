#pragma once
// The one way the program shows a message box, so every message goes through the
// same place (owner, caption, buttons).

#include <windows.h>

#include <functional>
#include <string>

namespace wordsnap {

// Shows text with caption in a modal message box owned by owner; returns the button pressed.
int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT buttons = MB_OK);

// Replaces the message box by a function, for tests that check what would be shown;
// an empty function brings the message box back.
using MessageSink = std::function<int(const std::string& text, const std::string& caption, UINT buttons)>;
void SetMessageSink(MessageSink sink);

// The fatal start-up report: caption "System Error", then the process ends.
[[noreturn]] void FatalStartupError(HWND owner, const std::string& text);

}  // namespace wordsnap
