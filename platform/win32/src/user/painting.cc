// Invalid regions (kept as one bounding rectangle) and the WM_PAINT they bring.
#include "user/model.h"

using namespace win32::internal;

namespace {

RECT ClientOf(const Window& window) {
  return RECT{0, 0,
              window.rect.right - window.rect.left - window.client_inset.left - window.client_inset.right,
              window.rect.bottom - window.rect.top - window.client_inset.top - window.client_inset.bottom};
}

RECT Union(const RECT& a, const RECT& b) {
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

}  // namespace

BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL erase) {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  Window* target = FindWindowLocked(model, window);
  if (!target) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  RECT client = ClientOf(*target);
  RECT area = client;
  if (rect && !IntersectRect(&area, rect, &client)) return TRUE;
  target->invalid = target->needs_paint ? Union(target->invalid, area) : area;
  target->needs_paint = true;
  target->queue->wake.notify_all();
  return TRUE;
}

BOOL WINAPI ValidateRect(HWND window, const RECT* rect) {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  Window* target = FindWindowLocked(model, window);
  if (!target) return FALSE;
  // Partial validation leaves the bounding rectangle invalid unless it is covered whole.
  if (!rect || (rect->left <= target->invalid.left && rect->top <= target->invalid.top &&
                rect->right >= target->invalid.right && rect->bottom >= target->invalid.bottom)) {
    target->needs_paint = false;
    target->invalid = RECT{};
  }
  return TRUE;
}

BOOL WINAPI GetUpdateRect(HWND window, LPRECT rect, BOOL erase) {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  Window* target = FindWindowLocked(model, window);
  if (!target || !target->needs_paint) {
    if (rect) *rect = RECT{};
    return FALSE;
  }
  if (rect) *rect = target->invalid;
  return TRUE;
}

BOOL WINAPI UpdateWindow(HWND window) {
  bool needs_paint = false;
  {
    Model& model = TheModel();
    std::lock_guard<std::mutex> held(model.lock);
    Window* target = FindWindowLocked(model, window);
    if (!target) return FALSE;
    needs_paint = target->needs_paint && IsVisibleLocked(model, target);
  }
  if (needs_paint) SendMessageW(window, WM_PAINT, 0, 0);
  return TRUE;
}

HDC WINAPI BeginPaint(HWND window, LPPAINTSTRUCT paint) {
  if (!paint) return nullptr;
  *paint = PAINTSTRUCT{};
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  Window* target = FindWindowLocked(model, window);
  if (!target) return nullptr;
  paint->rcPaint = target->needs_paint ? target->invalid : RECT{};
  paint->fErase = FALSE;
  target->needs_paint = false;
  target->invalid = RECT{};
  // The painting library draws into its own surface; the handle only has to be non-null.
  paint->hdc = reinterpret_cast<HDC>(window);
  return paint->hdc;
}

BOOL WINAPI EndPaint(HWND window, const PAINTSTRUCT* paint) { return TRUE; }
