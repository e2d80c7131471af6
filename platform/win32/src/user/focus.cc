// One active window, one focus and one capture for the whole desktop.
#include "user/focus.h"

#include "user/model.h"

using namespace win32::internal;

HWND WINAPI SetFocus(HWND window) {
  Model& model = TheModel();
  HWND previous;
  {
    std::lock_guard<std::mutex> held(model.lock);
    if (window && !FindWindowLocked(model, window)) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    previous = model.focus;
    if (previous == window) return previous;
    model.focus = window;
  }
  if (previous) SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
  if (window) SendMessageW(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  return previous;
}

HWND WINAPI GetFocus() {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  return model.focus;
}

namespace win32::internal {

HWND Activate(HWND window, WORD how) {
  Model& model = TheModel();
  HWND previous;
  bool focus_inside_previous = false;
  {
    std::lock_guard<std::mutex> held(model.lock);
    if (window && !FindWindowLocked(model, window)) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    previous = model.active;
    if (previous == window) return previous;
    model.active = window;
    for (Window* up = FindWindowLocked(model, model.focus); up && previous;
         up = FindWindowLocked(model, up->parent))
      if (up->handle == previous) focus_inside_previous = true;
  }
  if (previous && IsWindow(previous)) {
    SendMessageW(previous, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(previous) != FALSE),
                 reinterpret_cast<LPARAM>(window));
  }
  if (window) {
    SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    SendMessageW(window, WM_ACTIVATE, MAKEWPARAM(how, IsIconic(window) != FALSE),
                 reinterpret_cast<LPARAM>(previous));
  } else if (focus_inside_previous) {
    SetFocus(nullptr);
  }
  return previous;
}

void ActivateFromDesktop(HWND window) {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  Window* gaining = FindWindowLocked(model, window);
  if (window && (!gaining || gaining->destroying || !IsVisibleLocked(model, gaining))) return;
  HWND previous = model.active;
  if (previous == window) return;
  model.active = window;
  auto post = [&](HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    Window* target = FindWindowLocked(model, hwnd);
    if (target && target->queue->alive)
      PostLocked(*target->queue, MSG{hwnd, message, wparam, lparam, 0, {}});
  };
  post(previous, WM_NCACTIVATE, FALSE, 0);
  post(previous, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(window));
  if (window) {
    post(window, WM_NCACTIVATE, TRUE, 0);
    post(window, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(previous));
    return;
  }
  for (Window* up = FindWindowLocked(model, model.focus); up && previous;
       up = FindWindowLocked(model, up->parent)) {
    if (up->handle != previous) continue;
    post(model.focus, WM_KILLFOCUS, 0, 0);
    model.focus = nullptr;
    break;
  }
}

}  // namespace win32::internal

HWND WINAPI SetActiveWindow(HWND window) { return Activate(window, WA_ACTIVE); }

HWND WINAPI GetActiveWindow() {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  return model.active;
}

BOOL WINAPI SetForegroundWindow(HWND window) {
  if (!IsWindow(window)) return FALSE;
  SetActiveWindow(window);
  return TRUE;
}

HWND WINAPI GetForegroundWindow() { return GetActiveWindow(); }

HWND WINAPI SetCapture(HWND window) {
  Model& model = TheModel();
  HWND previous;
  {
    std::lock_guard<std::mutex> held(model.lock);
    if (!FindWindowLocked(model, window)) return nullptr;
    previous = model.capture;
    model.capture = window;
  }
  if (previous && previous != window)
    SendMessageW(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(window));
  return previous;
}

BOOL WINAPI ReleaseCapture() {
  Model& model = TheModel();
  HWND previous;
  {
    std::lock_guard<std::mutex> held(model.lock);
    previous = model.capture;
    model.capture = nullptr;
  }
  if (previous) SendMessageW(previous, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND WINAPI GetCapture() {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  return model.capture;
}
