// TrackPopupMenu as a GTK menu at the given screen point, modal until it closes. GUI thread only.
#pragma once

#include "desktop/desktop.h"

namespace win32::internal::gtk {

// The chosen item's id; 0 when the menu was dismissed or could not be shown.
UINT_PTR RunPopupMenu(const MenuRequest& request);

}  // namespace win32::internal::gtk
