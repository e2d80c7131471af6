#pragma once

#include <windows.h>

// Icon of the windows and the tray; every product's resource script uses this number.
#define IDI_APP 101

// Posted by the main window to the login window when the game is left, so the
// start page is loaded afresh.
#define WM_LOGIN_RELOAD 1000
// Posted by the login window's load end, which runs on the engine's browser thread, to itself:
// its host control is placed over the browser window on the login window's own thread.
#define WM_LOGIN_ATTACH_BROWSER 1001
// The tray icon's callback message (the UI library's default for it); lParam
// carries the mouse message.
#define WM_TRAY_NOTIFY (WM_USER + 1)

// The boss key, Alt+Q.
#define IDHOT_BOSSKEY 0x1998

// Commands of the settings and tray menus.
#define IDM_RELOAD 1
#define IDM_CLEAR_CACHE 2
#define IDM_MAXIMIZE_BROWSER 3
#define IDM_EXIT 5
