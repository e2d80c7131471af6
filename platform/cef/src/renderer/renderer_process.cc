#include "src/renderer/renderer_process.h"

#include "src/renderer/renderer_session.h"

namespace cef_internal {

int RunRendererProcess(const CefMainArgs& args, CefRefPtr<CefApp> app) {
  RendererSession session(app);
  return 0;
}

}  // namespace cef_internal
