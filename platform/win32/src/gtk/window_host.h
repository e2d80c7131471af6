// The GTK side of the Win32 windows: one undecorated GTK window per shown top-level HWND, showing
// the image its thread painted, with a place for each child window that asked for one.
// GUI thread only.
#pragma once

#include <gtk/gtk.h>
#include <windows.h>

#include "gtk/gobject_ptr.h"

namespace win32::internal::gtk {

// Brings the GTK side of the window in line with the model (made on first show, gone with the
// HWND); a child updates its place.
void SyncWindow(HWND hwnd);

// The client area's latest painting.
void SetWindowImage(HWND hwnd, SurfacePtr image);

// A container following the child's rectangle and visibility; null for a non-child.
GtkWidget* ContainerFor(HWND child);

// The GTK window of a hosted top-level window, else null.
GtkWindow* GtkWindowOf(HWND hwnd);

// The HWND whose GTK window this is, else null.
HWND WindowOfGtk(GtkWindow* window);

}  // namespace win32::internal::gtk
