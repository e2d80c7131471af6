// Downloads of the engine's views: the client decides where each goes
// (asking the player with a Save As dialog when it says so) and hears of
// its progress and end. UI thread.
#pragma once

#include <webkit2/webkit2.h>

#include <functional>

#include "src/browser/browser.h"

namespace cef_internal {

// The browser a view belongs to, NULL for none (a popup's view).
typedef std::function<CefRefPtr<Browser>(WebKitWebView* view)> BrowserOfView;

// Handles every download the context starts from now on; a download of no
// browser is cancelled.
void HandleDownloads(WebKitWebContext* context, BrowserOfView browser_of_view);

}  // namespace cef_internal
