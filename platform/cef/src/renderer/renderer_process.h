// The renderer role of a sub-process ("--type=renderer").
#pragma once

#include "include/cef_app.h"

namespace cef_internal {

// Runs the renderer with |app| and returns its exit code. With no browser
// process to serve, the renderer starts, finds no browser and ends with 0.
int RunRendererProcess(const CefMainArgs& args, CefRefPtr<CefApp> app);

}  // namespace cef_internal
