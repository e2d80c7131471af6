// The browser's native window: a child window of the class "CefBrowserWindow"
// made on the UI thread. Its destruction, however it comes about, ends the browser.
#pragma once

#include "src/browser/browser.h"

namespace cef_internal {

// UI thread. NULL when the window cannot be made (e.g. a child style with no
// valid parent).
HWND CreateBrowserWindow(const CefWindowInfo& info, CefRefPtr<Browser> browser);

}  // namespace cef_internal
