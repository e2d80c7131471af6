// Where a browser's view sits: in the desktop's container for the browser's
// child window, which follows the window's place, size and visibility.
// UI thread (the desktop's GUI thread).
#pragma once

#include <windows.h>

typedef struct _GtkWidget GtkWidget;

namespace cef_internal {

// False when |window| has no container (not a child window, or no GTK desktop).
bool PlaceView(HWND window, GtkWidget* view);
// Takes the view out of its container, if it is in one.
void UnplaceView(GtkWidget* view);

}  // namespace cef_internal
