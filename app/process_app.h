#pragma once

#include "include/cef_app.h"

// The engine application object for the process role that the command line's "type" switch
// names: the renderer's for exactly "renderer" (letter case counts), the browser
// application for every other value and for no switch at all.
CefRefPtr<CefApp> CreateProcessApp(CefRefPtr<CefCommandLine> commandLine);
