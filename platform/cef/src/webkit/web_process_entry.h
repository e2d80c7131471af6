// Inside WebKit's web process the renderer role is served by the web
// extension: it names its server before it enters the program, and
// CefExecuteProcess hands the renderer's application to it.
#pragma once

#include "include/cef_app.h"

namespace cef_internal {

// Sets the web process up to serve |app| and returns at once with the exit
// code WinMain gives back (the web process runs its own loop).
typedef int (*WebProcessRenderer)(CefRefPtr<CefApp> app);

void SetWebProcessRenderer(WebProcessRenderer renderer);
// NULL outside a web process.
WebProcessRenderer TheWebProcessRenderer();

}  // namespace cef_internal
