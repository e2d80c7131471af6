// A bare web extension: gives each page window.bareCall(text), which sends
// the text to the UI process as a WebKitUserMessage and notes when the reply
// comes back. Runs on the web process's main thread.
#include <webkit2/webkit-web-extension.h>

#include "src/webkit/bench_trace.h"

using cef_internal::BenchTrace;

namespace {

void OnReply(GObject* page, GAsyncResult* result, gpointer) {
  if (WebKitUserMessage* reply = webkit_web_page_send_message_to_view_finish(WEBKIT_WEB_PAGE(page), result, nullptr)) {
    BenchTrace("reply-received");
    g_object_unref(reply);
  }
}

void Call(const char* text, WebKitWebPage* page) {
  BenchTrace("page-call");
  webkit_web_page_send_message_to_view(page, webkit_user_message_new("bareCall", g_variant_new_string(text)),
                                       nullptr, OnReply, nullptr);
}

void OnWindowObjectCleared(WebKitScriptWorld* world, WebKitWebPage* page, WebKitFrame* frame, gpointer) {
  JSCContext* context = webkit_frame_get_js_context_for_script_world(frame, world);
  JSCValue* function = jsc_value_new_function(context, "bareCall", G_CALLBACK(Call), page, nullptr, G_TYPE_NONE, 1,
                                              G_TYPE_STRING);
  jsc_context_set_value(context, "bareCall", function);
  g_object_unref(function);
  g_object_unref(context);
}

}  // namespace

extern "C" G_MODULE_EXPORT void webkit_web_extension_initialize(WebKitWebExtension*) {
  g_signal_connect(webkit_script_world_get_default(), "window-object-cleared", G_CALLBACK(OnWindowObjectCleared),
                   nullptr);
}
