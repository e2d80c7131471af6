// Moving, sizing, showing and hiding a window of the calling thread.
#pragma once

#include <windows.h>

namespace win32::internal {

// SetWindowPos on the calling thread. force_client_size reports the client size to the window
// even when it did not change (a minimised/maximised/restored state change).
BOOL PositionWindow(HWND hwnd, HWND insert_after, int x, int y, int cx, int cy, UINT flags,
                    bool force_client_size);

// The default limits a window is offered in WM_GETMINMAXINFO.
MINMAXINFO DefaultMinMaxInfo();

}  // namespace win32::internal
