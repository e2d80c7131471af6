// Input on a hosted window's GTK widgets turned into Win32 messages posted to the window's
// thread; caption and size-box presses hand the move or resize to the window manager.
// GUI thread only.
#pragma once

#include <gtk/gtk.h>
#include <windows.h>

namespace win32::internal::gtk {

// canvas shows the client area; window is its top-level GTK window.
void ConnectInput(HWND hwnd, GtkWidget* window, GtkWidget* canvas);

// The Win32 virtual key of a GDK key value; 0 for keys without one.
UINT VirtualKeyOf(guint keyval);

// The window-manager edge a size-box hit-test code stands for; false for other codes.
bool ResizeEdgeOf(LRESULT hit, GdkWindowEdge* edge);

}  // namespace win32::internal::gtk
