// CreateWindowExW: WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE,
// then the show of a WS_VISIBLE window.
#include "desktop/desktop.h"
#include "user/model.h"
#include "user/window_position.h"

using namespace win32::internal;

namespace {

// Top-level windows made with CW_USEDEFAULT cascade down from an eighth of the screen.
RECT DefaultRect(bool child, int x, int y, int width, int height) {
  static std::atomic<int> cascade{0};
  SIZE screen = TheDesktop().ScreenSize();
  if (x == CW_USEDEFAULT) {
    if (child) {
      x = y = 0;
    } else {
      int step = cascade++ % 8;
      x = screen.cx / 8 + step * 26;
      y = screen.cy / 8 + step * 26;
    }
  }
  if (width == CW_USEDEFAULT) {
    width = child ? 0 : screen.cx * 3 / 4;
    height = child ? 0 : screen.cy * 3 / 4;
  }
  return RECT{x, y, x + width, y + height};
}

HWND RootOf(Model& model, HWND hwnd) {
  Window* window = FindWindowLocked(model, hwnd);
  while (window && (window->style & WS_CHILD) && window->parent)
    window = FindWindowLocked(model, window->parent);
  return window ? window->handle : nullptr;
}

}  // namespace

HWND WINAPI CreateWindowExW(DWORD ex_style, LPCWSTR class_name, LPCWSTR window_name, DWORD style,
                            int x, int y, int width, int height, HWND parent, HMENU menu,
                            HINSTANCE instance, LPVOID param) {
  if (!class_name || IS_INTRESOURCE(class_name)) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  Model& model = TheModel();
  ThreadQueue& queue = CurrentQueue();
  bool child = (style & WS_CHILD) != 0;
  RECT rect = DefaultRect(child, x, y, width, height);
  DWORD shown_state = style & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
  HWND hwnd;
  {
    std::lock_guard<std::mutex> held(model.lock);
    auto found = model.classes.find(Lower(class_name));
    if (found == model.classes.end()) {
      SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
      return nullptr;
    }
    if (parent && !FindWindowLocked(model, parent)) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    if (child && !parent) {
      SetLastError(ERROR_TLW_WITH_WSCHILD);
      return nullptr;
    }
    hwnd = reinterpret_cast<HWND>(model.next_handle);
    model.next_handle += 4;
    auto window = std::make_unique<Window>();
    window->handle = hwnd;
    window->class_name = found->second.name;
    window->proc = found->second.info.lpfnWndProc;
    window->instance = instance;
    window->text = window_name ? window_name : L"";
    window->style = style & ~(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    window->ex_style = ex_style;
    window->menu = menu;
    window->rect = rect;
    window->normal_rect = rect;
    window->queue = &queue;
    window->thread_id = queue.thread_id;
    window->icon_big = found->second.info.hIcon;
    window->icon_small = found->second.info.hIconSm;
    if (child) {
      window->parent = parent;
      FindWindowLocked(model, parent)->children.push_back(hwnd);
    } else {
      window->owner = RootOf(model, parent);
    }
    model.windows[hwnd] = std::move(window);
  }

  if (!child) {
    MINMAXINFO info = DefaultMinMaxInfo();
    CallProcedure(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    LONG w = std::clamp<LONG>(rect.right - rect.left, info.ptMinTrackSize.x, info.ptMaxTrackSize.x);
    LONG h = std::clamp<LONG>(rect.bottom - rect.top, info.ptMinTrackSize.y, info.ptMaxTrackSize.y);
    rect.right = rect.left + w;
    rect.bottom = rect.top + h;
  }
  CREATESTRUCTW create{param, instance, menu, parent, static_cast<int>(rect.bottom - rect.top),
                       static_cast<int>(rect.right - rect.left), static_cast<int>(rect.top),
                       static_cast<int>(rect.left), static_cast<LONG>(style), window_name,
                       class_name, ex_style};
  if (!CallProcedure(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create))) {
    CallProcedure(hwnd, WM_NCDESTROY, 0, 0);
    std::lock_guard<std::mutex> held(model.lock);
    ForgetWindowLocked(model, hwnd);
    return nullptr;
  }
  RECT client = rect;
  CallProcedure(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
  {
    std::lock_guard<std::mutex> held(model.lock);
    if (Window* window = FindWindowLocked(model, hwnd)) {
      window->rect = rect;
      window->normal_rect = rect;
      window->client_inset = RECT{client.left - rect.left, client.top - rect.top,
                                  rect.right - client.right, rect.bottom - client.bottom};
    }
  }
  if (CallProcedure(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (!IsWindow(hwnd)) return nullptr;
  RECT client_rect{};
  GetClientRect(hwnd, &client_rect);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  if (child) ScreenToClient(parent, &origin);
  CallProcedure(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client_rect.right, client_rect.bottom));
  CallProcedure(hwnd, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
  if (shown_state & WS_MAXIMIZE)
    ShowWindow(hwnd, SW_SHOWMAXIMIZED);
  else if (shown_state & WS_MINIMIZE)
    ShowWindow(hwnd, SW_SHOWMINIMIZED);
  else if (shown_state & WS_VISIBLE)
    ShowWindow(hwnd, SW_SHOW);
  return IsWindow(hwnd) ? hwnd : nullptr;
}
