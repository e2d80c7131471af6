#include "shell_link.h"

#include <shellapi.h>

#include <cwctype>

namespace {

// The longest address the shell's URL handling accepts.
const size_t kMaxAddressLength = 2083;

bool StartsWithNoCase(const std::wstring& text, const wchar_t* prefix) {
  for (size_t i = 0; prefix[i]; ++i) {
    if (i >= text.size() || static_cast<wchar_t>(std::towlower(text[i])) != prefix[i]) return false;
  }
  return true;
}

bool HasHost(const std::wstring& authority) {
  const size_t at = authority.rfind(L'@');
  std::wstring host = at == std::wstring::npos ? authority : authority.substr(at + 1);
  if (!host.empty() && host[0] == L'[') {
    return host.size() > 2 && host.find(L']') != std::wstring::npos;
  }
  host = host.substr(0, host.find(L':'));
  return !host.empty();
}

}  // namespace

bool IsWebAddress(const std::wstring& address) {
  if (address.empty() || address.size() > kMaxAddressLength) return false;
  for (wchar_t c : address) {
    if (c <= L' ' || c == 0x7F || c == L'\\') return false;
  }
  size_t rest;
  if (StartsWithNoCase(address, L"http://")) {
    rest = 7;
  } else if (StartsWithNoCase(address, L"https://")) {
    rest = 8;
  } else {
    return false;
  }
  const size_t end = address.find_first_of(L"/?#", rest);
  return HasHost(address.substr(rest, end == std::wstring::npos ? std::wstring::npos : end - rest));
}

bool OpenWebAddress(const std::wstring& address) {
  if (!IsWebAddress(address)) return false;
  ShellExecuteW(NULL, L"open", address.c_str(), NULL, NULL, SW_SHOW);
  return true;
}
