#include "src/webkit/engine_backend.h"

#include <atomic>

namespace cef_internal {

namespace {
std::atomic<EngineBackend*> g_backend{nullptr};
}  // namespace

EngineBackend* InstalledEngineBackend() { return g_backend; }

void InstallEngineBackend(EngineBackend* backend) { g_backend = backend; }

}  // namespace cef_internal
