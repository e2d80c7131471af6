// Where laid-out edges may lie. A hostile skin can nest thousands of controls a million pixels
// wide, or float one at a million times its parent's width; holding every edge within this range,
// far beyond any screen, keeps sums of a few edges and their differences inside LONG.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>

namespace DuiLib {

const LONG kPixelRange = 100000000;

inline LONG ClampPixel(int64_t value) {
  return static_cast<LONG>(std::clamp<int64_t>(value, -kPixelRange, kPixelRange));
}

// NaN, which an infinite fraction of a zero width gives, reads as 0.
inline LONG ClampPixel(double value) {
  if (value != value) return 0;
  return static_cast<LONG>(std::clamp<double>(value, -kPixelRange, kPixelRange));
}

}  // namespace DuiLib
