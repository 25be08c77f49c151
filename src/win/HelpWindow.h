#pragma once
// Help: the old help file through the system's help engine where that still works,
// else the program's manual in its own help window, at the topic asked for.

#include <windows.h>

#include <string>

#include "core/help/help_topics.h"

namespace wordsnap {

// Help > "&Contents", the Help speed button, the tray's Help and the date and time
// picker's Help button all come here. programDir holds the manual and any old help file.
void ShowHelp(HWND owner, const std::string& programDir, HelpTopic topic);

// Opens a file with the program the system has for its kind, saying nothing itself
// when there is none; false then.
bool OpenWithItsProgram(HWND owner, const std::string& path);

// The tray menu's home page: the manual as a web page in the user's browser; without a
// browser, the help window at its contents.
void ShowHomePage(HWND owner, const std::string& programDir);

// The help window: the manual (a rich-text document) read-only, scrolled so the topic's
// heading is the first line; its caption names the topic. One window: asked again, it
// comes to the front at the new topic. False when the manual cannot be read.
bool ShowManualWindow(const std::string& manualPath, HelpTopic topic);

inline constexpr const char* kHelpWindowCaption = "Wordsnaps Help";

}  // namespace wordsnap
