#include "src/webkit/extension/jsc_context.h"

#include <map>

#include "src/webkit/extension/jsc_value.h"

namespace cef_internal {

namespace {

// Open contexts by their JavaScript context. Main thread only.
std::map<JSCContext*, JscContext*>& OpenContexts() {
  static auto* open = new std::map<JSCContext*, JscContext*>;
  return *open;
}

}  // namespace

JscContext::JscContext(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, JSCContext* context)
    : V8ContextImpl(browser, frame), context_(GObjectPtr<JSCContext>::Share(context)) {
  OpenContexts()[context] = this;
}

CefRefPtr<JscContext> JscContext::Of(JSCContext* context) {
  auto found = OpenContexts().find(context);
  return found == OpenContexts().end() ? nullptr : found->second;
}

void JscContext::End() {
  auto found = OpenContexts().find(context_.get());
  if (found != OpenContexts().end() && found->second == this)
    OpenContexts().erase(found);
  Invalidate();
  global_ = nullptr;
  context_ = GObjectPtr<JSCContext>();
}

CefRefPtr<CefV8Value> JscContext::GetGlobal() {
  if (!IsValid() || !context_)
    return nullptr;
  if (!global_) {
    JSCValue* global = jsc_context_get_global_object(context_.get());
    global_ = JscValue::Wrap(global);
    g_object_unref(global);
  }
  return global_;
}

}  // namespace cef_internal
