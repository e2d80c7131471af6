#include "src/webkit/gtk/view_placement.h"

#include <gtk/gtk.h>

#include "win32/gtk_host.h"

namespace cef_internal {

bool PlaceView(HWND window, GtkWidget* view) {
  GtkWidget* container = window ? Win32GtkContainerFor(window) : nullptr;
  if (!container)
    return false;
  gtk_container_add(GTK_CONTAINER(container), view);
  gtk_widget_show(view);
  return true;
}

void UnplaceView(GtkWidget* view) {
  GtkWidget* parent = gtk_widget_get_parent(view);
  if (parent)
    gtk_container_remove(GTK_CONTAINER(parent), view);
}

}  // namespace cef_internal
