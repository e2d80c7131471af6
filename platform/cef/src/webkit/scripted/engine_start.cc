#include "src/webkit/engine_start.h"

namespace cef_internal {

void StartEngineBackend(const CefSettings& settings, CefRefPtr<CommandLine> command_line) {}

void StopEngineBackend() {}

}  // namespace cef_internal
