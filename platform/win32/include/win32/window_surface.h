// Showing what a window's own thread painted: the desktop takes a copy of the client area's image.
#pragma once

#include <windows.h>

typedef struct _cairo_surface cairo_surface_t;

// On the window's own thread, after painting. Nothing happens where the desktop shows no windows.
void Win32PresentWindowSurface(HWND window, cairo_surface_t* surface);
