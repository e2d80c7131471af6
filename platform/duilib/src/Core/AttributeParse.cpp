#include "Core/AttributeParse.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

namespace DuiLib {

namespace {

const double kNumberLimit = 1000000;

const wchar_t* SkipSeparators(const wchar_t* p) {
  while (*p != L'\0' && (std::iswspace(*p) || *p == L',')) ++p;
  return p;
}

int ReadInts(LPCTSTR value, LONG* numbers, int count) {
  double read[4] = {0, 0, 0, 0};
  int got = ParseNumbers(value, read, count);
  for (int i = 0; i < count; ++i) numbers[i] = static_cast<LONG>(read[i]);
  return got;
}

}  // namespace

int ParseNumbers(LPCTSTR value, double* numbers, int count) {
  for (int i = 0; i < count; ++i) numbers[i] = 0;
  if (value == NULL) return 0;
  const wchar_t* p = value;
  int got = 0;
  while (got < count) {
    p = SkipSeparators(p);
    if (*p == L'\0') break;
    wchar_t* end = NULL;
    double number = std::wcstod(p, &end);
    if (end == p) break;
    // Skins measure in pixels: a bound far beyond any screen keeps every later conversion to
    // an integer, and sums of edges, in range. NaN reads as 0.
    numbers[got++] = number == number ? std::clamp(number, -kNumberLimit, kNumberLimit) : 0;
    p = end;
  }
  return got;
}

RECT ParseRect(LPCTSTR value) {
  LONG edges[4];
  ReadInts(value, edges, 4);
  return RECT{edges[0], edges[1], edges[2], edges[3]};
}

SIZE ParseSize(LPCTSTR value) {
  LONG size[2];
  ReadInts(value, size, 2);
  return SIZE{size[0], size[1]};
}

int ParseInt(LPCTSTR value) {
  LONG number[1];
  ReadInts(value, number, 1);
  return number[0];
}

bool ParseBool(LPCTSTR value) { return value != NULL && std::wcscmp(value, L"true") == 0; }

DWORD ParseColor(LPCTSTR value) {
  if (value == NULL) return 0;
  const wchar_t* p = value;
  while (*p != L'\0' && std::iswspace(*p)) ++p;
  if (*p == L'#') ++p;
  const wchar_t* digits = p;
  DWORD color = 0;
  while (std::iswxdigit(*p) && p - digits < 8) {
    wchar_t ch = static_cast<wchar_t>(std::towlower(*p++));
    color = (color << 4) | static_cast<DWORD>(ch <= L'9' ? ch - L'0' : ch - L'a' + 10);
  }
  if (p == digits) return 0;
  if (p - digits <= 6) color |= 0xFF000000;
  return color;
}

}  // namespace DuiLib
