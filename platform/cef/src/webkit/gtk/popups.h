// Windows a page opens, asked of the client first.
#pragma once

#include <webkit2/webkit2.h>

#include "src/browser/browser.h"

namespace cef_internal {

// UI thread, from the view's "create" signal. OnBeforePopup; NULL (nothing
// opens) when the client suppresses the popup, else a view for it that
// shows in a window of its own once the page has set it up. Open popups
// are bounded: beyond the bound a page's further requests open nothing.
GtkWidget* AskForPopup(CefRefPtr<Browser> browser, WebKitWebView* opener, WebKitNavigationAction* action);

}  // namespace cef_internal
