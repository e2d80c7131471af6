// The GTK desktop as seen by the engine: which thread runs GTK, and where a child window's
// content goes inside its top-level GTK window.
#pragma once

#include <windows.h>

typedef struct _GtkWidget GtkWidget;

// Makes the calling thread the desktop's GUI thread; the engine's UI thread calls it once,
// first thing. On the GTK desktop this initialises GTK here, and from then on every wait of this
// thread for Win32 messages (GetMessageW, WaitMessage, SendMessageW...) also runs GLib's default
// main context, so GTK events, GLib sources and the Win32 queue are served by one loop. Returns
// false, and changes nothing, on the headless desktop or when another thread was adopted first.
bool Win32GtkAdoptThread();

// True when the calling thread is the adopted GUI thread.
bool Win32GtkIsGuiThread();

// GUI thread only. A container (a GtkBin: add one widget, it fills the container) inside the
// top-level GTK window of a child HWND's root window, placed at the child's rectangle relative
// to the root's window origin and shown while the child is visible; it follows the child's
// moves, sizes and visibility and is destroyed with the child. The same container on every call.
// Null for a window that is not a child, off the GUI thread, or on the headless desktop. The
// top-level GTK window is made on demand, so this works before the root is shown.
GtkWidget* Win32GtkContainerFor(HWND child);
