// Reading and changing a window's plain attributes.
#include "user/model.h"

using namespace win32::internal;

namespace {

// Runs fn on the window under the lock; fallback when the handle names no window.
template <typename Result, typename Fn>
Result WithWindow(HWND hwnd, Result fallback, Fn fn) {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  Window* window = FindWindowLocked(model, hwnd);
  if (!window) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return fallback;
  }
  return fn(model, *window);
}

// Screen position of the client area's origin.
POINT ClientOriginLocked(Model& model, const Window& window) {
  POINT origin{window.rect.left + window.client_inset.left, window.rect.top + window.client_inset.top};
  if (window.style & WS_CHILD) {
    if (Window* parent = FindWindowLocked(model, window.parent)) {
      POINT base = ClientOriginLocked(model, *parent);
      origin.x += base.x;
      origin.y += base.y;
    }
  }
  return origin;
}

}  // namespace

BOOL WINAPI IsWindow(HWND window) {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  return FindWindowLocked(model, window) != nullptr;
}

BOOL WINAPI IsWindowVisible(HWND window) {
  return WithWindow(window, FALSE, [](Model& model, Window& w) -> BOOL {
    return IsVisibleLocked(model, &w);
  });
}

BOOL WINAPI IsWindowEnabled(HWND window) {
  return WithWindow(window, FALSE, [](Model&, Window& w) -> BOOL { return !(w.style & WS_DISABLED); });
}

BOOL WINAPI EnableWindow(HWND window, BOOL enable) {
  return WithWindow(window, FALSE, [enable](Model&, Window& w) -> BOOL {
    BOOL was_disabled = (w.style & WS_DISABLED) != 0;
    if (enable)
      w.style &= ~WS_DISABLED;
    else
      w.style |= WS_DISABLED;
    return was_disabled;
  });
}

BOOL WINAPI IsIconic(HWND window) {
  return WithWindow(window, FALSE, [](Model&, Window& w) -> BOOL { return (w.style & WS_MINIMIZE) != 0; });
}

BOOL WINAPI IsZoomed(HWND window) {
  return WithWindow(window, FALSE, [](Model&, Window& w) -> BOOL { return (w.style & WS_MAXIMIZE) != 0; });
}

BOOL WINAPI GetWindowRect(HWND window, LPRECT rect) {
  if (!rect) return FALSE;
  return WithWindow(window, FALSE, [rect](Model& model, Window& w) -> BOOL {
    *rect = w.rect;
    if (w.style & WS_CHILD) {
      if (Window* parent = FindWindowLocked(model, w.parent)) {
        POINT base = ClientOriginLocked(model, *parent);
        OffsetRect(rect, base.x, base.y);
      }
    }
    return TRUE;
  });
}

BOOL WINAPI GetClientRect(HWND window, LPRECT rect) {
  if (!rect) return FALSE;
  return WithWindow(window, FALSE, [rect](Model&, Window& w) -> BOOL {
    if (w.style & WS_MINIMIZE) {
      *rect = RECT{0, 0, 0, 0};
      return TRUE;
    }
    LONG width = w.rect.right - w.rect.left - w.client_inset.left - w.client_inset.right;
    LONG height = w.rect.bottom - w.rect.top - w.client_inset.top - w.client_inset.bottom;
    *rect = RECT{0, 0, std::max<LONG>(width, 0), std::max<LONG>(height, 0)};
    return TRUE;
  });
}

BOOL WINAPI ClientToScreen(HWND window, LPPOINT point) {
  if (!point) return FALSE;
  return WithWindow(window, FALSE, [point](Model& model, Window& w) -> BOOL {
    POINT origin = ClientOriginLocked(model, w);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
  });
}

BOOL WINAPI ScreenToClient(HWND window, LPPOINT point) {
  if (!point) return FALSE;
  return WithWindow(window, FALSE, [point](Model& model, Window& w) -> BOOL {
    POINT origin = ClientOriginLocked(model, w);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
  });
}

HWND WINAPI GetParent(HWND window) {
  return WithWindow(window, static_cast<HWND>(nullptr), [](Model&, Window& w) -> HWND {
    return (w.style & WS_CHILD) ? w.parent : w.owner;
  });
}

HWND WINAPI GetWindow(HWND window, UINT command) {
  return WithWindow(window, static_cast<HWND>(nullptr), [command](Model&, Window& w) -> HWND {
    return command == GW_OWNER ? w.owner : nullptr;
  });
}

HWND WINAPI GetAncestor(HWND window, UINT flags) {
  return WithWindow(window, static_cast<HWND>(nullptr), [flags](Model& model, Window& w) -> HWND {
    if (flags == GA_PARENT) return (w.style & WS_CHILD) ? w.parent : nullptr;
    Window* root = &w;
    while ((root->style & WS_CHILD) && FindWindowLocked(model, root->parent))
      root = FindWindowLocked(model, root->parent);
    if (flags == GA_ROOTOWNER)
      while (FindWindowLocked(model, root->owner)) root = FindWindowLocked(model, root->owner);
    return root->handle;
  });
}

LONG_PTR WINAPI GetWindowLongPtrW(HWND window, int index) {
  return WithWindow(window, static_cast<LONG_PTR>(0), [index](Model&, Window& w) -> LONG_PTR {
    switch (index) {
      case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w.proc);
      case GWL_HINSTANCE: return reinterpret_cast<LONG_PTR>(w.instance);
      case GWL_ID: return reinterpret_cast<LONG_PTR>(w.menu);
      case GWL_STYLE: return static_cast<LONG>(w.style);
      case GWL_EXSTYLE: return static_cast<LONG>(w.ex_style);
      case GWLP_USERDATA: return w.user_data;
      default: SetLastError(ERROR_INVALID_INDEX); return 0;
    }
  });
}

LONG_PTR WINAPI SetWindowLongPtrW(HWND window, int index, LONG_PTR value) {
  return WithWindow(window, static_cast<LONG_PTR>(0), [index, value](Model&, Window& w) -> LONG_PTR {
    LONG_PTR previous = 0;
    switch (index) {
      case GWLP_WNDPROC:
        previous = reinterpret_cast<LONG_PTR>(w.proc);
        w.proc = reinterpret_cast<WNDPROC>(value);
        break;
      case GWL_HINSTANCE:
        previous = reinterpret_cast<LONG_PTR>(w.instance);
        w.instance = reinterpret_cast<HINSTANCE>(value);
        break;
      case GWL_ID:
        previous = reinterpret_cast<LONG_PTR>(w.menu);
        w.menu = reinterpret_cast<HMENU>(value);
        break;
      case GWL_STYLE:
        previous = static_cast<LONG>(w.style);
        w.style = static_cast<DWORD>(value);
        break;
      case GWL_EXSTYLE:
        previous = static_cast<LONG>(w.ex_style);
        w.ex_style = static_cast<DWORD>(value);
        break;
      case GWLP_USERDATA:
        previous = w.user_data;
        w.user_data = value;
        break;
      default: SetLastError(ERROR_INVALID_INDEX); return 0;
    }
    return previous;
  });
}

LONG WINAPI GetWindowLongW(HWND window, int index) {
  return static_cast<LONG>(GetWindowLongPtrW(window, index));
}

LONG WINAPI SetWindowLongW(HWND window, int index, LONG value) {
  return static_cast<LONG>(SetWindowLongPtrW(window, index, value));
}

BOOL WINAPI SetWindowTextW(HWND window, LPCWSTR text) {
  if (!IsWindow(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  return static_cast<BOOL>(SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

// Read straight from the window, as Win32 does for windows of other threads, so that a caller
// never waits on a busy thread for a caption.
int WINAPI GetWindowTextW(HWND window, LPWSTR text, int max_count) {
  if (!text || max_count <= 0) return 0;
  return WithWindow(window, 0, [text, max_count](Model&, Window& w) -> int {
    size_t count = std::min<size_t>(w.text.size(), static_cast<size_t>(max_count - 1));
    std::wmemcpy(text, w.text.data(), count);
    text[count] = 0;
    return static_cast<int>(count);
  });
}

int WINAPI GetClassNameW(HWND window, LPWSTR class_name, int max_count) {
  if (!class_name || max_count <= 0) return 0;
  return WithWindow(window, 0, [class_name, max_count](Model&, Window& w) -> int {
    size_t count = std::min<size_t>(w.class_name.size(), static_cast<size_t>(max_count - 1));
    std::wmemcpy(class_name, w.class_name.data(), count);
    class_name[count] = 0;
    return static_cast<int>(count);
  });
}

DWORD WINAPI GetWindowThreadProcessId(HWND window, LPDWORD process_id) {
  return WithWindow(window, static_cast<DWORD>(0), [process_id](Model&, Window& w) -> DWORD {
    if (process_id) *process_id = GetCurrentProcessId();
    return w.thread_id;
  });
}
