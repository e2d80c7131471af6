// The engine the platform chose for this process, started by CefInitialize
// and stopped by CefShutdown. A build without the real backends has only the
// scripted engine, which needs no start.
#pragma once

#include "include/cef_app.h"
#include "src/core/command_line.h"

namespace cef_internal {

// UI thread, once the engine's command line is complete.
void StartEngineBackend(const CefSettings& settings, CefRefPtr<CommandLine> command_line);
// UI thread, after every browser's window is gone.
void StopEngineBackend();

}  // namespace cef_internal
