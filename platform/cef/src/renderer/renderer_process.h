// The renderer role of a sub-process ("--type=renderer").
#pragma once

#include "include/cef_app.h"

namespace cef_internal {

// The switch that names the inherited socket a renderer serves its browser
// process over.
extern const char kRendererChannelSwitch[];

// Runs the renderer with |app| and returns its exit code. With a channel it
// serves the browser process until released or cut off; without one it
// starts, finds no browser and ends with 0; with an unusable one it ends
// with kRendererConnectionLostExitCode.
int RunRendererProcess(const CefMainArgs& args, CefRefPtr<CefApp> app);

}  // namespace cef_internal
