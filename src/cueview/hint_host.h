#pragma once
#include <windows.h>

#include "hint_popup.h"

namespace wordsnap {

// The hidden top-level window the main program finds by its caption and posts
// hint commands to. It owns the pop-up and ends the program when told to close or
// when the main window it serves is gone.
class HintHost {
 public:
  static constexpr char kClassName[] = "WordsnapHintHost";
  static constexpr char kCaption[] = "Wordsnaps SHOW CUEVIEW";

  bool Create(HINSTANCE instance, HWND mainWindow, int position);
  HWND Window() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(WPARAM command, LPARAM argument);
  void OnOwnerCheck();

  HWND window_ = nullptr;
  HWND mainWindow_ = nullptr;
  int position_ = 1;
  HintPopup popup_;
};

// True when a window with the hint program's caption exists already.
bool HintWindowExists();

}  // namespace wordsnap
