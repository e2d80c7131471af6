// Handing web addresses to the desktop's default browser.
#pragma once

#include <string>

namespace win32::internal::gtk {

// An http or https address of bounded length without spaces or control characters.
bool IsWebAddress(const std::wstring& text);

// Through GIO's default handler for the address; no shell is involved. GUI thread.
bool OpenWebAddress(const std::wstring& address);

}  // namespace win32::internal::gtk
