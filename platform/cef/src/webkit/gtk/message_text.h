// The text of page messages between WebKit's UTF-8 and the engine's UTF-16,
// converted as CefString converts it (an ill-formed sequence becomes U+FFFD,
// text ends at its first NUL) but straight into the buffer that keeps it: a
// page message carries its values through here in both processes. Any thread.
#pragma once

#include <cstddef>
#include <string>

#include "include/internal/cef_string.h"

namespace cef_internal {

// The UTF-16 of |text|, which ends after |length| bytes or at a NUL.
CefString Utf16OfUtf8(const char* text, size_t length);

// Writes the UTF-16 of |text| to |units|, which has room for |length| of
// them, and gives their number. |text| must be well-formed UTF-8 without NULs.
size_t WellFormedUtf8ToUtf16(const char* text, size_t length, char16_t* units);

// Appends |text|, up to its first NUL, to |out| as UTF-8.
void AppendUtf8(const CefString& text, std::string* out);

}  // namespace cef_internal
