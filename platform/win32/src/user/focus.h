// Activation with Win32's messages, for the model and the desktops.
#pragma once

#include <windows.h>

namespace win32::internal {

// Makes window (null: none) the active window. The window losing activation gets WM_NCACTIVATE
// and WM_ACTIVATE with WA_INACTIVE, then the new one WM_NCACTIVATE and WM_ACTIVATE with how, whose
// default processing gives it the focus; with no new window the focus leaves the old one. Any
// thread; the lock must not be held. Returns the window active before.
HWND Activate(HWND window, WORD how);

// The same as the desktop reports it (the window manager moved activation): the messages are
// posted to the windows' threads, so the desktop's thread never waits for them.
void ActivateFromDesktop(HWND window);

}  // namespace win32::internal
