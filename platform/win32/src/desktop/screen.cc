// Screen geometry, the one monitor, the cursor and key state, as the desktop reports them.
#include "desktop/desktop.h"

using namespace win32::internal;

namespace {
// The single monitor's handle.
HMONITOR ThePrimaryMonitor() { return reinterpret_cast<HMONITOR>(static_cast<uintptr_t>(0x1001)); }
}  // namespace

int WINAPI GetSystemMetrics(int index) {
  SIZE screen = TheDesktop().ScreenSize();
  switch (index) {
    case SM_CXSCREEN: return screen.cx;
    case SM_CYSCREEN: return screen.cy;
    case SM_CXICON:
    case SM_CYICON: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    default: return 0;
  }
}

BOOL WINAPI SystemParametersInfoW(UINT action, UINT param, LPVOID data, UINT win_ini) {
  if (action != SPI_GETWORKAREA || !data) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *static_cast<RECT*>(data) = TheDesktop().WorkArea();
  return TRUE;
}

HMONITOR WINAPI MonitorFromWindow(HWND window, DWORD flags) {
  if (!IsWindow(window) && flags == MONITOR_DEFAULTTONULL) return nullptr;
  return ThePrimaryMonitor();
}

BOOL WINAPI GetMonitorInfoW(HMONITOR monitor, MONITORINFO* info) {
  if (monitor != ThePrimaryMonitor() || !info || info->cbSize < sizeof(MONITORINFO)) return FALSE;
  SIZE screen = TheDesktop().ScreenSize();
  info->rcMonitor = RECT{0, 0, screen.cx, screen.cy};
  info->rcWork = TheDesktop().WorkArea();
  info->dwFlags = MONITORINFOF_PRIMARY;
  return TRUE;
}

BOOL WINAPI GetCursorPos(LPPOINT point) {
  if (!point) return FALSE;
  *point = TheDesktop().CursorPos();
  return TRUE;
}

BOOL WINAPI SetCursorPos(int x, int y) {
  TheDesktop().SetCursorPos(POINT{x, y});
  return TRUE;
}

// The high bit says "down", as in Win32.
short WINAPI GetKeyState(int virtual_key) {
  return TheDesktop().IsKeyDown(virtual_key) ? static_cast<short>(0x8000) : 0;
}

short WINAPI GetAsyncKeyState(int virtual_key) { return GetKeyState(virtual_key); }
