#include "gtk/popup_menu.h"

#include <gtk/gtk.h>

#include "gtk/gobject_ptr.h"
#include "gtk/gui_thread.h"
#include "gtk/text.h"

namespace win32::internal::gtk {

namespace {

struct Tracking {
  GMainLoop* loop = nullptr;
  UINT_PTR chosen = 0;
};

GtkWidget* ItemFor(const MenuItem& item, Tracking* tracking) {
  if (item.flags & MF_SEPARATOR) return gtk_separator_menu_item_new();
  std::string label = Utf8(item.text);
  GtkWidget* widget = (item.flags & MF_CHECKED) ? gtk_check_menu_item_new_with_label(label.c_str())
                                                : gtk_menu_item_new_with_label(label.c_str());
  if (item.flags & MF_CHECKED) gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(widget), TRUE);
  // Submenus are not offered: their items cannot be chosen from here.
  gtk_widget_set_sensitive(widget, !(item.flags & (MF_GRAYED | MF_DISABLED | MF_POPUP)));
  g_object_set_data(G_OBJECT(widget), "win32-id", reinterpret_cast<gpointer>(item.id));
  g_signal_connect(widget, "activate", G_CALLBACK(+[](GtkMenuItem* activated, gpointer data) {
                     static_cast<Tracking*>(data)->chosen = reinterpret_cast<UINT_PTR>(
                         g_object_get_data(G_OBJECT(activated), "win32-id"));
                   }),
                   tracking);
  return widget;
}

// The menu takes the pointer from the event that opened it; the window's own press was handled
// on its thread long before, so a press of the pointer now stands in for it.
GdkEvent* TriggerEvent() {
  if (GdkEvent* current = gtk_get_current_event()) return current;
  GdkDisplay* display = gdk_display_get_default();
  GdkSeat* seat = display ? gdk_display_get_default_seat(display) : nullptr;
  GdkEvent* event = gdk_event_new(GDK_BUTTON_PRESS);
  event->button.window = GDK_WINDOW(g_object_ref(gdk_get_default_root_window()));
  event->button.time = GDK_CURRENT_TIME;
  event->button.button = 3;
  if (seat) gdk_event_set_device(event, gdk_seat_get_pointer(seat));
  return event;
}

}  // namespace

UINT_PTR RunPopupMenu(const MenuRequest& request) {
  Tracking tracking;
  GtkWidget* menu = gtk_menu_new();
  g_object_ref_sink(menu);
  GObjectPtr<GtkWidget> owned(menu);
  for (const MenuItem& item : request.items)
    gtk_menu_shell_append(GTK_MENU_SHELL(menu), ItemFor(item, &tracking));
  gtk_widget_show_all(menu);
  std::unique_ptr<GMainLoop, void (*)(GMainLoop*)> loop(g_main_loop_new(nullptr, FALSE),
                                                        g_main_loop_unref);
  tracking.loop = loop.get();
  g_signal_connect(menu, "deactivate", G_CALLBACK(+[](GtkMenuShell*, gpointer data) {
                     g_main_loop_quit(static_cast<Tracking*>(data)->loop);
                   }),
                   &tracking);
  GdkRectangle at{request.x, request.y, 1, 1};
  std::unique_ptr<GdkEvent, void (*)(GdkEvent*)> trigger(TriggerEvent(), gdk_event_free);
  gtk_menu_popup_at_rect(GTK_MENU(menu), gdk_get_default_root_window(), &at,
                         GDK_GRAVITY_NORTH_WEST, GDK_GRAVITY_NORTH_WEST, trigger.get());
  if (gtk_widget_get_visible(menu)) {
    ModalScope modal;
    g_main_loop_run(loop.get());
  }
  gtk_widget_destroy(menu);
  return tracking.chosen;
}

}  // namespace win32::internal::gtk
