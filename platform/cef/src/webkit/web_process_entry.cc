#include "src/webkit/web_process_entry.h"

#include <atomic>

namespace cef_internal {

namespace {
std::atomic<WebProcessRenderer> g_renderer{nullptr};
}  // namespace

void SetWebProcessRenderer(WebProcessRenderer renderer) { g_renderer = renderer; }

WebProcessRenderer TheWebProcessRenderer() { return g_renderer; }

}  // namespace cef_internal
