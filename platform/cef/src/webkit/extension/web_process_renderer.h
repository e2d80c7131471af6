// The renderer role inside WebKit's web process: the application's render
// process handler hears of pages (browsers), their documents' contexts and
// the browser process's messages, on the web process's main thread, which
// is the engine's TID_RENDERER here.
#pragma once

#include <webkit2/webkit-web-extension.h>

#include "include/cef_app.h"

namespace cef_internal {

// Remembers the extension the renderer serves from; before entering the program.
void UseWebExtension(WebKitWebExtension* extension);

// The WebProcessRenderer: tells the application that the renderer is up and
// follows the extension's pages from now on. Returns 0.
int ServeRendererInWebProcess(CefRefPtr<CefApp> app);

}  // namespace cef_internal
