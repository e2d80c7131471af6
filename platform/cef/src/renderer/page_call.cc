#include "src/renderer/page_call.h"

namespace cef_internal {

CefRefPtr<CefV8Value> CallPageFunction(RendererSession& session, int browser_id,
                                       const CefString& frame_name, const CefString& name,
                                       const CefV8ValueList& arguments, CefString* exception) {
  CefRefPtr<RendererBrowser> browser = session.GetBrowser(browser_id);
  CefRefPtr<RendererFrame> frame = browser ? browser->FindFrame(frame_name) : nullptr;
  CefRefPtr<V8ContextImpl> context = frame ? frame->context() : nullptr;
  if (!context) {
    *exception = "Error: no document in frame '" + frame_name.ToString() + "'";
    return nullptr;
  }
  CefRefPtr<V8ValueImpl> global = context->global();
  CefRefPtr<CefV8Value> function = global->GetValue(name);
  if (!function || !function->IsFunction()) {
    *exception = "TypeError: " + name.ToString() + " is not a function";
    return nullptr;
  }
  return static_cast<V8ValueImpl*>(function.get())
      ->Call(context.get(), global.get(), arguments, *exception);
}

}  // namespace cef_internal
