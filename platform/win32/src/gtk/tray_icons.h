// The notification area's icons as GTK status icons, shown where the desktop has a tray. Clicks
// reach the icon's window as its callback message, as Win32 sends them. GUI thread only.
#pragma once

#include <gtk/gtk.h>
#include <windows.h>

namespace win32::internal::gtk {

// Makes, updates and drops status icons to match the model's tray icons.
void SyncTrayIcons();

// The status icon showing a tray icon, else null.
GtkStatusIcon* StatusIconOf(HWND hwnd, UINT id);

}  // namespace win32::internal::gtk
