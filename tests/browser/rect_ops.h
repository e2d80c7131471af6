// RECT comparison and printing for test expectations.
#pragma once

#include <windows.h>

#include <ostream>

inline RECT Rect(LONG left, LONG top, LONG width, LONG height) {
  return RECT{left, top, left + width, top + height};
}

inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::ostream& operator<<(std::ostream& out, const RECT& rc) {
  return out << "(" << rc.left << "," << rc.top << ")-(" << rc.right << "," << rc.bottom << ")";
}
