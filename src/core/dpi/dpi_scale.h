#pragma once
// Sizes at the screen's DPI. The windows are laid out in pixels at 96 DPI (100%);
// on a screen at another DPI every such size is scaled by DPI / 96.

#include <initializer_list>

namespace wordsnap {

inline constexpr int kDesignDpi = 96;

// The DPI the system reported, or the design DPI when it reported none (0) or a value
// no screen has, so a wrong answer can neither shrink the windows to nothing nor
// blow them up.
int UsableDpi(int reported);

// pixels at 96 DPI, at dpi: rounded to the nearest pixel, halves away from zero (and
// held to the range of an int).
int ScalePixels(int pixels, int dpi);
// The length of a span `length` pixels long from `start` (both at 96 DPI), scaled
// by its edges: spans that meet at 96 DPI still meet at dpi.
int ScaledLength(int start, int length, int dpi);
// The other way: pixels at dpi, at 96 DPI.
int UnscalePixels(int pixels, int dpi);

// The factor by which dialogs that scale themselves do so at dpi.
double ScaleFactorFor(int dpi);
// pixels times a scale factor, rounded to the nearest pixel.
int ScaleByFactor(int pixels, double factor);

// Of the sizes a picture is drawn at, the one nearest to designSize at dpi; on a tie
// the larger, since a picture with room round it looks better than a cramped one.
int NearestPictureSize(int designSize, int dpi, std::initializer_list<int> drawnSizes);

}  // namespace wordsnap
