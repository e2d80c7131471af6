// Acting as the player: mouse, keyboard, window-manager commands, hot keys and tray clicks.
// Input is posted to the window's thread, as a real desktop would deliver it.
#pragma once

#include <windows.h>

namespace win32::testing {

// Posts WM_MOUSEMOVE, WM_LBUTTONDOWN (MK_LBUTTON) and WM_LBUTTONUP at client point (x, y).
bool Click(HWND hwnd, int x, int y);
// Double-clicks at client point (x, y) as Win32 reports it after hit-testing the point: on the
// client area WM_LBUTTONDOWN, WM_LBUTTONUP, then WM_LBUTTONDBLCLK where the class has CS_DBLCLKS
// (else a second WM_LBUTTONDOWN), WM_LBUTTONUP; elsewhere the WM_NCLBUTTON* messages with the
// hit-test code and the screen point, the double click whatever the class.
bool DoubleClick(HWND hwnd, int x, int y);
// Posts WM_MOUSEMOVE at client point (x, y) and moves the cursor there.
bool MoveMouse(HWND hwnd, int x, int y);
// Posts WM_KEYDOWN and WM_KEYUP of a virtual key.
bool KeyPress(HWND hwnd, UINT virtual_key);
// Posts WM_SYSCOMMAND, as the window manager does for its buttons or Alt+F4.
bool SystemCommand(HWND hwnd, UINT command);
// Sends WM_NCHITTEST for client point (x, y) and returns the window's answer.
LRESULT HitTest(HWND hwnd, int x, int y);
// Presses a desktop-wide hot key (MOD_* flags): the registering window gets WM_HOTKEY.
// False when no window registered that combination.
bool PressHotKey(UINT modifiers, UINT virtual_key);
// Clicks a tray icon: its callback message is posted with wParam uID, lParam the mouse message.
bool ClickTrayIcon(HWND hwnd, UINT id, UINT mouse_message);
// Holds a key down (for GetKeyState) or lets it go.
void SetKeyDown(int virtual_key, bool down);

}  // namespace win32::testing
