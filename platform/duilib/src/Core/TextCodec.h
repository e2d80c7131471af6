// UTF-8 and the library's wide strings (one code point per wchar_t).
#pragma once

#include <string>

namespace DuiLib {

std::string Utf8FromWide(const wchar_t* text);
// Malformed bytes become U+FFFD.
std::wstring WideFromUtf8(const char* text, size_t length);
std::wstring WideFromUtf8(const std::string& text);

}  // namespace DuiLib
