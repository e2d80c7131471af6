#include "src/webkit/gtk/popups.h"

#include "src/browser/page_events.h"

namespace cef_internal {

namespace {

const int kMaxOpenPopups = 16;
int g_open_popups = 0;  // UI thread only

void ShowPopup(WebKitWebView* view, GtkWidget* window) {
  gtk_widget_show_all(window);
}

void ClosePopup(WebKitWebView* view, GtkWidget* window) {
  gtk_widget_destroy(window);
}

void PopupGone(GtkWidget* window, gpointer) {
  --g_open_popups;
}

}  // namespace

GtkWidget* AskForPopup(CefRefPtr<Browser> browser, WebKitWebView* opener, WebKitNavigationAction* action) {
  PopupRequest request;
  const char* uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
  const char* frame_name = webkit_navigation_action_get_frame_name(action);
  request.target_url = uri ? uri : "";
  request.target_frame_name = frame_name ? frame_name : "";
  request.user_gesture = webkit_navigation_action_is_user_gesture(action);
  const PopupOutcome outcome = AskPopup(browser, request);
  if (!outcome.would_open || g_open_popups >= kMaxOpenPopups)
    return nullptr;

  GtkWidget* view = webkit_web_view_new_with_related_view(opener);
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_window_set_default_size(GTK_WINDOW(window), outcome.window_info.width > 0 ? outcome.window_info.width : 800,
                              outcome.window_info.height > 0 ? outcome.window_info.height : 600);
  gtk_container_add(GTK_CONTAINER(window), view);
  ++g_open_popups;
  g_signal_connect(window, "destroy", G_CALLBACK(&PopupGone), nullptr);
  g_signal_connect(view, "ready-to-show", G_CALLBACK(&ShowPopup), window);
  g_signal_connect(view, "close", G_CALLBACK(&ClosePopup), window);
  return view;
}

}  // namespace cef_internal
