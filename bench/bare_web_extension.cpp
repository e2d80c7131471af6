// A bare web extension: gives each page window.bareCall(...), which does what
// the launcher's page function does with the least code WebKit allows: takes
// the call's values as strings and sends them, in order, to the UI process as
// one WebKitUserMessage of the same name and shape ("jsCallMsg", an array of
// variants). Like the launcher's, the message asks for no reply, unless the
// window asked for replies (to time the round trip): then it notes when the
// reply comes back. Runs on the web process's main thread.
#include <webkit2/webkit-web-extension.h>

#include "src/webkit/bench_trace.h"

using cef_internal::BenchTrace;

namespace {

bool g_replies = false;

void OnReply(GObject* page, GAsyncResult* result, gpointer) {
  if (WebKitUserMessage* reply = webkit_web_page_send_message_to_view_finish(WEBKIT_WEB_PAGE(page), result, nullptr)) {
    BenchTrace("reply-received");
    g_object_unref(reply);
  }
}

// Timed from the same point as the launcher's: the call entering native code,
// before its values are turned into strings.
JSCValue* Call(GPtrArray* arguments, WebKitWebPage* page) {
  BenchTrace("page-call");
  GVariantBuilder builder;
  g_variant_builder_init(&builder, G_VARIANT_TYPE("av"));
  for (guint i = 0; arguments && i < arguments->len; ++i) {
    char* text = jsc_value_to_string(static_cast<JSCValue*>(g_ptr_array_index(arguments, i)));
    g_variant_builder_add(&builder, "v", g_variant_new_string(text ? text : ""));
    g_free(text);
  }
  WebKitUserMessage* message = webkit_user_message_new("jsCallMsg", g_variant_builder_end(&builder));
  if (g_replies)
    webkit_web_page_send_message_to_view(page, message, nullptr, OnReply, nullptr);
  else
    webkit_web_page_send_message_to_view(page, message, nullptr, nullptr, nullptr);
  return jsc_value_new_string(jsc_context_get_current(), "ReceiveOk");
}

void OnWindowObjectCleared(WebKitScriptWorld* world, WebKitWebPage* page, WebKitFrame* frame, gpointer) {
  JSCContext* context = webkit_frame_get_js_context_for_script_world(frame, world);
  JSCValue* function = jsc_value_new_function_variadic(context, "bareCall", G_CALLBACK(Call), page, nullptr,
                                                       JSC_TYPE_VALUE);
  jsc_context_set_value(context, "bareCall", function);
  g_object_unref(function);
  g_object_unref(context);
}

}  // namespace

// |replies|: a boolean from the window, true when every message asks for a reply.
extern "C" G_MODULE_EXPORT void webkit_web_extension_initialize_with_user_data(WebKitWebExtension*,
                                                                              GVariant* replies) {
  g_replies = replies && g_variant_is_of_type(replies, G_VARIANT_TYPE_BOOLEAN) && g_variant_get_boolean(replies);
  g_signal_connect(webkit_script_world_get_default(), "window-object-cleared", G_CALLBACK(OnWindowObjectCleared),
                   nullptr);
}
