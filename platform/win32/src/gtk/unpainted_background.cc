#include "gtk/unpainted_background.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>

namespace win32::internal::gtk {

namespace {

// Opaque black in the window's visual: the bits outside red, green and blue are alpha's.
unsigned long OpaqueBlack(GdkVisual* visual) {
  guint32 red = 0, green = 0, blue = 0;
  gdk_visual_get_red_pixel_details(visual, &red, nullptr, nullptr);
  gdk_visual_get_green_pixel_details(visual, &green, nullptr, nullptr);
  gdk_visual_get_blue_pixel_details(visual, &blue, nullptr, nullptr);
  int depth = gdk_visual_get_depth(visual);
  unsigned long all = depth >= 32 ? 0xffffffffUL : (1UL << depth) - 1;
  return all & ~static_cast<unsigned long>(red | green | blue);
}

void OnRealize(GtkWidget* widget, gpointer) {
  GdkWindow* window = gtk_widget_get_window(widget);
  if (!window || !GDK_IS_X11_WINDOW(window)) return;
  XSetWindowBackground(GDK_WINDOW_XDISPLAY(window), GDK_WINDOW_XID(window),
                       OpaqueBlack(gdk_window_get_visual(window)));
}

}  // namespace

void FillUnpaintedBlack(GtkWidget* window) {
  g_signal_connect_after(window, "realize", G_CALLBACK(OnRealize), nullptr);
}

}  // namespace win32::internal::gtk
