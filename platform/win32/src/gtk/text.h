// Win32 wide text (UTF-32 here) to and from GTK's UTF-8.
#pragma once

#include <string>

namespace win32::internal::gtk {

std::string Utf8(const std::wstring& text);
std::wstring Wide(const char* utf8);

}  // namespace win32::internal::gtk
