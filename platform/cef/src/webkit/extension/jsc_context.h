// A frame's JavaScript context in WebKit's web process. It is the scripted
// engine's context for everything but its global object, which is the
// page's real window, so entering it makes it the current context as the
// engine's API expects. Web process main thread only.
#pragma once

#include <jsc/jsc.h>

#include "src/renderer/v8_context.h"
#include "src/webkit/gtk/gobject_ptr.h"

namespace cef_internal {

class JscContext : public V8ContextImpl {
 public:
  JscContext(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, JSCContext* context);

  // The context of |context|, NULL when none is open for it.
  static CefRefPtr<JscContext> Of(JSCContext* context);
  // Ends the context (invalid from here on).
  void End();

  // The same value every time: each page call passes it to its handler.
  CefRefPtr<CefV8Value> GetGlobal() override;

 private:
  GObjectPtr<JSCContext> context_;
  CefRefPtr<CefV8Value> global_;
};

}  // namespace cef_internal
