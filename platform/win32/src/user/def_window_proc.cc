// The default processing of messages a window procedure passes on.
#include "desktop/desktop.h"
#include "user/model.h"
#include "user/window_position.h"

using namespace win32::internal;

namespace {

LRESULT OnWindowPosChanged(HWND hwnd, const WINDOWPOS* pos) {
  if (!pos) return 0;
  if (!(pos->flags & SWP_NOCLIENTMOVE)) {
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    if (HWND parent = GetParent(hwnd); parent && (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD))
      ScreenToClient(parent, &origin);
    SendMessageW(hwnd, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
  }
  if (!(pos->flags & SWP_NOCLIENTSIZE)) {
    if (IsIconic(hwnd)) {
      SendMessageW(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
    } else {
      RECT client{};
      GetClientRect(hwnd, &client);
      SendMessageW(hwnd, WM_SIZE, IsZoomed(hwnd) ? SIZE_MAXIMIZED : SIZE_RESTORED,
                   MAKELPARAM(client.right, client.bottom));
    }
  }
  return 0;
}

LRESULT OnSysCommand(HWND hwnd, WPARAM command) {
  switch (command & 0xFFF0) {
    case SC_CLOSE: SendMessageW(hwnd, WM_CLOSE, 0, 0); break;
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); break;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); break;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); break;
    default: break;
  }
  return 0;
}

// A double click on the caption maximises a window that has a maximise box, or restores it.
LRESULT OnNcDoubleClick(HWND hwnd, WPARAM hit, LPARAM point) {
  if (hit == HTCAPTION && (GetWindowLongW(hwnd, GWL_STYLE) & WS_MAXIMIZEBOX))
    SendMessageW(hwnd, WM_SYSCOMMAND, IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE, point);
  return 0;
}

LRESULT SetIcon(HWND hwnd, WPARAM which, HICON icon) {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  Window* window = FindWindowLocked(model, hwnd);
  if (!window) return 0;
  HICON& slot = which == ICON_BIG ? window->icon_big : window->icon_small;
  HICON previous = slot;
  slot = icon;
  TheDesktop().WindowChanged(hwnd);
  return reinterpret_cast<LRESULT>(previous);
}

LRESULT GetIcon(HWND hwnd, WPARAM which) {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  Window* window = FindWindowLocked(model, hwnd);
  if (!window) return 0;
  return reinterpret_cast<LRESULT>(which == ICON_BIG ? window->icon_big : window->icon_small);
}

LRESULT SetText(HWND hwnd, LPCWSTR text) {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  Window* window = FindWindowLocked(model, hwnd);
  if (!window) return FALSE;
  window->text = text ? text : L"";
  TheDesktop().WindowChanged(hwnd);
  return TRUE;
}

LRESULT GetText(HWND hwnd, WPARAM capacity, LPWSTR buffer) {
  if (!buffer || capacity == 0) return 0;
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  Window* window = FindWindowLocked(model, hwnd);
  if (!window) {
    buffer[0] = 0;
    return 0;
  }
  size_t count = std::min<size_t>(window->text.size(), capacity - 1);
  std::wmemcpy(buffer, window->text.data(), count);
  buffer[count] = 0;
  return static_cast<LRESULT>(count);
}

}  // namespace

LRESULT WINAPI DefWindowProcW(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCCREATE: return TRUE;
    case WM_NCCALCSIZE: return 0;
    case WM_NCHITTEST: return HTCLIENT;
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_SYSCOMMAND: return OnSysCommand(window, wparam);
    case WM_NCLBUTTONDBLCLK: return OnNcDoubleClick(window, wparam, lparam);
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE && !HIWORD(wparam)) SetFocus(window);
      return 0;
    case WM_NCACTIVATE: return TRUE;
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(window, reinterpret_cast<WINDOWPOS*>(lparam));
    case WM_GETMINMAXINFO: return 0;
    case WM_SETICON: return SetIcon(window, wparam, reinterpret_cast<HICON>(lparam));
    case WM_GETICON: return GetIcon(window, wparam);
    case WM_SETTEXT: return SetText(window, reinterpret_cast<LPCWSTR>(lparam));
    case WM_GETTEXT: return GetText(window, wparam, reinterpret_cast<LPWSTR>(lparam));
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    default: return 0;
  }
}

LRESULT WINAPI CallWindowProcW(WNDPROC proc, HWND window, UINT message, WPARAM wparam,
                               LPARAM lparam) {
  return proc ? proc(window, message, wparam, lparam) : 0;
}
