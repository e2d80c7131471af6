// The lstr* family: null pointers count as empty strings, as Win32 tolerates them.
#include <windows.h>

#include <cwctype>

namespace {
LPCWSTR OrEmpty(LPCWSTR text) { return text ? text : L""; }

int Sign(long difference) { return difference < 0 ? -1 : difference > 0 ? 1 : 0; }
}  // namespace

int WINAPI lstrcmpW(LPCWSTR a, LPCWSTR b) { return Sign(std::wcscmp(OrEmpty(a), OrEmpty(b))); }

int WINAPI lstrcmpiW(LPCWSTR a, LPCWSTR b) {
  a = OrEmpty(a);
  b = OrEmpty(b);
  for (;; ++a, ++b) {
    wint_t x = std::towlower(static_cast<wint_t>(*a));
    wint_t y = std::towlower(static_cast<wint_t>(*b));
    if (x != y) return x < y ? -1 : 1;
    if (!x) return 0;
  }
}

int WINAPI lstrlenW(LPCWSTR text) { return text ? static_cast<int>(std::wcslen(text)) : 0; }

LPWSTR WINAPI lstrcpynW(LPWSTR destination, LPCWSTR source, int max_length) {
  if (!destination || max_length <= 0) return destination;
  source = OrEmpty(source);
  int i = 0;
  for (; i < max_length - 1 && source[i]; ++i) destination[i] = source[i];
  destination[i] = 0;
  return destination;
}
