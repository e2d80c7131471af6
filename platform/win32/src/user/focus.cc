// One active window, one focus and one capture for the whole desktop.
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

HWND WINAPI SetActiveWindow(HWND window) {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  if (window && !FindWindowLocked(model, window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  HWND previous = model.active;
  model.active = window;
  return previous;
}

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
