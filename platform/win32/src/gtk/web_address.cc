#include "gtk/web_address.h"

#include <cwctype>

#include "gtk/text.h"

namespace win32::internal::gtk {

namespace {

constexpr size_t kLongestAddress = 8192;

bool StartsWithNoCase(const std::wstring& text, const wchar_t* prefix) {
  for (size_t i = 0; prefix[i]; ++i)
    if (i >= text.size() || static_cast<wchar_t>(std::towlower(text[i])) != prefix[i]) return false;
  return true;
}

}  // namespace

bool IsWebAddress(const std::wstring& text) {
  if (text.size() > kLongestAddress) return false;
  size_t scheme = StartsWithNoCase(text, L"http://")    ? 7
                  : StartsWithNoCase(text, L"https://") ? 8
                                                         : 0;
  if (scheme == 0 || text.size() == scheme) return false;
  for (wchar_t c : text)
    if (c <= 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F)) return false;
  return true;
}

bool OpenWebAddress(const std::wstring& address, LaunchQueue& launches) {
  return IsWebAddress(address) && launches.Submit(Utf8(address));
}

}  // namespace win32::internal::gtk
