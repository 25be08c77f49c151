#include "core/dpi/dpi_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace wordsnap {
namespace {

// Windows offers scales from 100% to 500%; Wine lets one type anything.
constexpr int kLowestDpi = 48;
constexpr int kHighestDpi = kDesignDpi * 8;

// a * b / c rounded to the nearest, halves away from zero, and held to what an int
// holds (a hand-edited settings file may give any size); 0 < b, c <= kHighestDpi.
int MulDivRounded(long long a, long long b, long long c) {
  const long long product = a * b;
  const long long half = c / 2;
  const long long result = product >= 0 ? (product + half) / c : -((-product + half) / c);
  return static_cast<int>(std::clamp<long long>(result, std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

}  // namespace

int UsableDpi(int reported) {
  return reported >= kLowestDpi && reported <= kHighestDpi ? reported : kDesignDpi;
}

int ScalePixels(int pixels, int dpi) { return MulDivRounded(pixels, UsableDpi(dpi), kDesignDpi); }

int ScaledLength(int start, int length, int dpi) {
  return ScalePixels(start + length, dpi) - ScalePixels(start, dpi);
}

int UnscalePixels(int pixels, int dpi) { return MulDivRounded(pixels, kDesignDpi, UsableDpi(dpi)); }

double ScaleFactorFor(int dpi) { return static_cast<double>(UsableDpi(dpi)) / kDesignDpi; }

int ScaleByFactor(int pixels, double factor) {
  return static_cast<int>(std::lround(static_cast<double>(pixels) * factor));
}

int NearestPictureSize(int designSize, int dpi, std::initializer_list<int> drawnSizes) {
  // Compared at 96 times the size, so no rounding decides a tie.
  const long long wanted = static_cast<long long>(designSize) * UsableDpi(dpi);
  int best = designSize;
  long long bestDistance = -1;
  for (int size : drawnSizes) {
    const long long distance = std::llabs(static_cast<long long>(size) * kDesignDpi - wanted);
    if (bestDistance < 0 || distance < bestDistance || (distance == bestDistance && size > best)) {
      best = size;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace wordsnap
