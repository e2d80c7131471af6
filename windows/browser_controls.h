#pragma once

#include "UIlib.h"

// The skin elements the launcher adds to the UI library: "CefBrowser" and "Wnd"
// (compared without regard to case). NULL for any other class, which the
// library then builds itself.
DuiLib::CControlUI* CreateBrowserControl(LPCTSTR pstrClass);
