#include "src/webkit/extension/page_frame.h"

#include "include/cef_request.h"

namespace cef_internal {

namespace {

// The frame's JavaScript context in the page's own world; a new reference.
JSCContext* ContextOf(WebKitFrame* frame) {
  return webkit_frame_get_js_context_for_script_world(frame, webkit_script_world_get_default());
}

}  // namespace

PageFrame::PageFrame(CefRefPtr<CefBrowser> browser, WebKitFrame* frame)
    : browser_(browser), frame_(GObjectPtr<WebKitFrame>::Share(frame)) {}

void PageFrame::Detach() {
  browser_ = nullptr;
  context_ = nullptr;
}

CefString PageFrame::Evaluate(const char* script) {
  JSCContext* context = ContextOf(frame_.get());
  JSCValue* result = jsc_context_evaluate(context, script, -1);
  CefString text;
  if (jsc_context_get_exception(context)) {
    jsc_context_clear_exception(context);
  } else if (result && jsc_value_is_string(result)) {
    char* value = jsc_value_to_string(result);
    text = value ? value : "";
    g_free(value);
  }
  if (result)
    g_object_unref(result);
  g_object_unref(context);
  return text;
}

void PageFrame::GetSource(CefRefPtr<CefStringVisitor> visitor) {
  if (visitor)
    visitor->Visit(Evaluate("document.documentElement ? document.documentElement.outerHTML : ''"));
}

void PageFrame::GetText(CefRefPtr<CefStringVisitor> visitor) {
  if (visitor)
    visitor->Visit(Evaluate("document.body ? document.body.innerText : ''"));
}

void PageFrame::LoadRequest(CefRefPtr<CefRequest> request) {
  if (request)
    LoadURL(request->GetURL());
}

void PageFrame::LoadURL(const CefString& url) {
  if (!IsValid())
    return;
  JSCContext* context = ContextOf(frame_.get());
  JSCValue* location = jsc_context_evaluate(context, "window.location", -1);
  JSCValue* result = location ? jsc_value_object_invoke_method(location, "assign", G_TYPE_STRING,
                                                               url.ToString().c_str(), G_TYPE_NONE)
                              : nullptr;
  jsc_context_clear_exception(context);
  if (result)
    g_object_unref(result);
  if (location)
    g_object_unref(location);
  g_object_unref(context);
}

// A script that throws ends there; nothing of it reaches the caller.
void PageFrame::ExecuteJavaScript(const CefString& code, const CefString& script_url, int start_line) {
  if (!IsValid())
    return;
  JSCContext* context = ContextOf(frame_.get());
  const std::string source = code.ToString();
  const std::string uri = script_url.ToString();
  JSCValue* result = jsc_context_evaluate_with_source_uri(context, source.c_str(), static_cast<gssize>(source.size()),
                                                          uri.c_str(), start_line > 0 ? start_line : 1);
  jsc_context_clear_exception(context);
  if (result)
    g_object_unref(result);
  g_object_unref(context);
}

CefRefPtr<CefFrame> PageFrame::GetParent() {
  if (!browser_ || IsMain())
    return nullptr;
  return browser_->GetMainFrame();
}

CefString PageFrame::GetURL() {
  const char* uri = webkit_frame_get_uri(frame_.get());
  return uri ? uri : "";
}

}  // namespace cef_internal
