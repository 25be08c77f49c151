#pragma once
// The main window's speed buttons: twelve 25 x 25 picture buttons on the speed
// panel (at 96 DPI; larger on a screen at a higher DPI), each with a hint. A
// button's control id is the id of the menu command it runs, so a click arrives as
// that command.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "core/dpi/dpi_scale.h"

namespace wordsnap {

struct SpeedButtonSpec {
  int id;            // the menu command it runs
  int x;             // left edge on the panel
  const char* hint;  // its first hint; some change later
  int image;         // picture: a standard toolbar image, or kOwnImage + an own picture
};

// At 96 DPI.
inline constexpr int kSpeedButtonSize = 25;
inline constexpr int kSpeedButtonTop = 2;
inline constexpr int kSpeedPictureSize = 16;
inline constexpr int kOwnImage = 100;

class TSpeedButtons {
 public:
  TSpeedButtons() = default;
  ~TSpeedButtons();
  TSpeedButtons(const TSpeedButtons&) = delete;
  TSpeedButtons& operator=(const TSpeedButtons&) = delete;

  // Creates the buttons on the panel, their pictures and their hints, sized for dpi.
  void Create(HWND panel, HINSTANCE instance, int dpi);
  // Places and sizes the buttons for another DPI, with pictures drawn for it.
  void SetDpi(int dpi);
  // The side of the pictures in use, in pixels.
  int PictureSize() const { return ownSize_; }

  HWND Button(int id) const;
  void SetHint(int id, const std::string& hint);
  std::string Hint(int id) const;
  void Enable(int id, bool enabled);

  // Draws an owner-drawn button of ours; false when the item is not one of ours.
  bool Draw(const DRAWITEMSTRUCT& item) const;

 private:
  const SpeedButtonSpec* SpecOf(int id) const;
  void LoadPictures();
  void DropPictures();
  void PlaceButtons() const;

  HWND panel_ = nullptr;
  HINSTANCE instance_ = nullptr;
  int dpi_ = kDesignDpi;
  HWND tooltip_ = nullptr;
  HWND imageSource_ = nullptr;      // hidden toolbar that holds the standard images
  HIMAGELIST standardImages_ = nullptr;  // owned by imageSource_
  HIMAGELIST ownImages_ = nullptr;
  int standardSize_ = kSpeedPictureSize;  // the side of each set of pictures
  int ownSize_ = kSpeedPictureSize;
};

}  // namespace wordsnap
