// What a shown window looks like before its first image: black, filled by the X server at once,
// as an unpainted window looks, rather than whatever lay under it. GUI thread only.
#pragma once

#include <gtk/gtk.h>

namespace win32::internal::gtk {

// Gives the GTK window that background whenever it is realized.
void FillUnpaintedBlack(GtkWidget* window);

}  // namespace win32::internal::gtk
