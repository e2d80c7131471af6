// Builds without the GTK desktop: only the headless one exists.
#include "win32/gtk_host.h"

#include "desktop/desktop.h"

namespace win32::internal {
Desktop* RealDesktop() { return nullptr; }
}  // namespace win32::internal

bool Win32GtkAdoptThread() { return false; }

bool Win32GtkIsGuiThread() { return false; }

GtkWidget* Win32GtkContainerFor(HWND) { return nullptr; }
