#pragma once
// The main window's speed buttons: twelve 25 x 25 picture buttons on the speed
// panel, each with a hint. A button's control id is the id of the menu command it
// runs, so a click arrives as that command.

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace wordsnap {

struct SpeedButtonSpec {
  int id;            // the menu command it runs
  int x;             // left edge on the panel
  const char* hint;  // its first hint; some change later
  int image;         // picture: a standard toolbar image, or kOwnImage + an own picture
};

inline constexpr int kSpeedButtonSize = 25;
inline constexpr int kSpeedButtonTop = 2;
inline constexpr int kOwnImage = 100;

class TSpeedButtons {
 public:
  TSpeedButtons() = default;
  ~TSpeedButtons();
  TSpeedButtons(const TSpeedButtons&) = delete;
  TSpeedButtons& operator=(const TSpeedButtons&) = delete;

  // Creates the buttons on the panel, their pictures and their hints.
  void Create(HWND panel, HINSTANCE instance);

  HWND Button(int id) const;
  void SetHint(int id, const std::string& hint);
  std::string Hint(int id) const;
  void Enable(int id, bool enabled);

  // Draws an owner-drawn button of ours; false when the item is not one of ours.
  bool Draw(const DRAWITEMSTRUCT& item) const;

 private:
  const SpeedButtonSpec* SpecOf(int id) const;

  HWND panel_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND imageSource_ = nullptr;      // hidden toolbar that holds the standard images
  HIMAGELIST standardImages_ = nullptr;  // owned by imageSource_
  HIMAGELIST ownImages_ = nullptr;
};

}  // namespace wordsnap
