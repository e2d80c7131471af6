// The least a WebKitGTK program does to show a page in a window of the login
// window's size: the yardstick for the launcher's start and, with a web
// extension folder, for its page messages. With "replies" after the folder,
// the page's messages ask for a reply and get an empty one.
//   bare_webkit_window URL [WEB-EXTENSION-FOLDER [replies]]
#include <webkit2/webkit2.h>

#include "src/webkit/bench_trace.h"

namespace {

gboolean OnUserMessage(WebKitWebView*, WebKitUserMessage* message, gpointer replies) {
  // Reads every string of the call, as the launcher's handler does.
  GVariant* arguments = webkit_user_message_get_parameters(message);
  const gsize count = arguments ? g_variant_n_children(arguments) : 0;
  for (gsize i = 0; i < count; ++i) {
    GVariant* boxed = g_variant_get_child_value(arguments, i);
    GVariant* item = g_variant_get_variant(boxed);
    if (g_variant_is_of_type(item, G_VARIANT_TYPE_STRING))
      g_variant_get_string(item, nullptr);
    g_variant_unref(item);
    g_variant_unref(boxed);
  }
  cef_internal::BenchTrace("message-handled");
  if (replies)
    webkit_user_message_send_reply(message, webkit_user_message_new("reply", nullptr));
  return TRUE;
}

struct Extension {
  const char* folder;
  bool replies;
};

void OnExtensionsWanted(WebKitWebContext* context, gpointer data) {
  const Extension* extension = static_cast<const Extension*>(data);
  webkit_web_context_set_web_extensions_directory(context, extension->folder);
  webkit_web_context_set_web_extensions_initialization_user_data(context, g_variant_new_boolean(extension->replies));
}

}  // namespace

int main(int argc, char** argv) {
  gtk_init(&argc, &argv);
  if (argc < 2)
    return 2;
  const bool replies = argc > 3 && g_strcmp0(argv[3], "replies") == 0;
  Extension extension = {argc > 2 ? argv[2] : nullptr, replies};
  if (extension.folder)
    g_signal_connect(webkit_web_context_get_default(), "initialize-web-extensions", G_CALLBACK(OnExtensionsWanted),
                     &extension);
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_default_size(GTK_WINDOW(window), 1164, 717);
  GtkWidget* view = webkit_web_view_new();
  g_signal_connect(view, "user-message-received", G_CALLBACK(OnUserMessage), GINT_TO_POINTER(replies));
  gtk_container_add(GTK_CONTAINER(window), view);
  g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), argv[1]);
  gtk_widget_show_all(window);
  gtk_main();
  return 0;
}
