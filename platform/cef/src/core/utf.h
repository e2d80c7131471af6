// UTF-8 / UTF-16 / UTF-32 conversions. Malformed input (bad UTF-8 sequences,
// lone surrogates, code points past U+10FFFF) becomes U+FFFD.
#pragma once

#include <string>

namespace cef_internal {

std::u16string Utf8ToUtf16(const char* data, size_t length);
std::u16string WideToUtf16(const wchar_t* data, size_t length);
std::string Utf16ToUtf8(const char16_t* data, size_t length);
std::wstring Utf16ToWide(const char16_t* data, size_t length);

}  // namespace cef_internal
