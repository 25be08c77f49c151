#pragma once
#include <windows.h>

#include <string>

#include "core/hint/hint_mapping.h"

namespace wordsnap {

// The small topmost window that shows a hint: the name in bold, the start of the
// text below it. It never takes the focus from the application being typed in.
// Its window text is the name and the text, one line each, so other programs can
// read what it shows.
class HintPopup {
 public:
  static constexpr char kClassName[] = "WordsnapHintPopup";

  bool Create(HINSTANCE instance, HWND owner);
  void Destroy();

  void Show(const HintContent& content, int position);
  void Hide();
  // Moves a visible hint to the position; a hidden one takes it when next shown.
  void MoveTo(int position);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  SIZE Measure() const;
  void Place(int position, SIZE size);

  HWND window_ = nullptr;
  HFONT nameFont_ = nullptr;
  HFONT textFont_ = nullptr;
  std::string name_;
  std::string text_;
};

}  // namespace wordsnap
