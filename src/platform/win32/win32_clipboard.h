#pragma once
// Placing text on the clipboard for a paste.

#include <windows.h>

#include <string>

namespace wordsnap {

// Puts the ANSI text on the clipboard as CF_TEXT, opened on behalf of `owner`
// (which may be null), and waits a little while another program holds the
// clipboard open. False when the text could not be placed.
bool PlaceClipboardText(HWND owner, const std::string& text);

}  // namespace wordsnap
