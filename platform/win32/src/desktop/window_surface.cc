#include "win32/window_surface.h"

#include "desktop/desktop.h"

void Win32PresentWindowSurface(HWND window, cairo_surface_t* surface) {
  if (window && surface) win32::internal::TheDesktop().PresentSurface(window, surface);
}
