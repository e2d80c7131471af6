#include "user/message_retrieval.h"

namespace win32::internal {

namespace {

bool IsSelfOrDescendant(Model& model, HWND candidate, HWND ancestor) {
  for (Window* window = FindWindowLocked(model, candidate); window;
       window = FindWindowLocked(model, window->parent)) {
    if (window->handle == ancestor) return true;
  }
  return false;
}

bool Passes(Model& model, const MessageFilter& filter, HWND hwnd, UINT message) {
  if (filter.hwnd == reinterpret_cast<HWND>(-1)) {
    if (hwnd) return false;
  } else if (filter.hwnd && !IsSelfOrDescendant(model, hwnd, filter.hwnd)) {
    return false;
  }
  if (filter.min == 0 && filter.max == 0) return true;
  return message >= filter.min && message <= filter.max;
}

MSG Make(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  MSG msg{};
  msg.hwnd = hwnd;
  msg.message = message;
  msg.wParam = wparam;
  msg.lParam = lparam;
  msg.time = GetTickCount();
  return msg;
}

}  // namespace

bool TakeMessageLocked(Model& model, ThreadQueue& queue, const MessageFilter& filter, bool remove,
                       MSG* msg) {
  for (auto it = queue.posted.begin(); it != queue.posted.end(); ++it) {
    if (!Passes(model, filter, it->hwnd, it->message)) continue;
    *msg = *it;
    if (remove) queue.posted.erase(it);
    return true;
  }
  if (queue.quit_posted) {
    *msg = Make(nullptr, WM_QUIT, static_cast<WPARAM>(queue.quit_code), 0);
    if (remove) queue.quit_posted = false;
    return true;
  }
  for (auto& [hwnd, window] : model.windows) {
    if (window->queue != &queue || !window->needs_paint || window->destroying ||
        !IsVisibleLocked(model, window.get()))
      continue;
    if (!Passes(model, filter, hwnd, WM_PAINT)) continue;
    *msg = Make(hwnd, WM_PAINT, 0, 0);
    return true;
  }
  Clock::time_point now = Clock::now();
  for (Timer& timer : queue.timers) {
    if (timer.due > now || !Passes(model, filter, timer.hwnd, WM_TIMER)) continue;
    *msg = Make(timer.hwnd, WM_TIMER, timer.id, reinterpret_cast<LPARAM>(timer.proc));
    if (remove) timer.due = now + timer.interval;
    return true;
  }
  return false;
}

std::optional<Clock::time_point> NextTimerDueLocked(const ThreadQueue& queue) {
  std::optional<Clock::time_point> next;
  for (const Timer& timer : queue.timers)
    if (!next || timer.due < *next) next = timer.due;
  return next;
}

}  // namespace win32::internal
