// Timers: due timers surface as WM_TIMER only when nothing else is pending.
#include "user/model.h"

using namespace win32::internal;

UINT_PTR WINAPI SetTimer(HWND window, UINT_PTR id, UINT elapse, void* timer_proc) {
  static std::atomic<UINT_PTR> next_thread_timer{0x7FFF};
  Model& model = TheModel();
  ThreadQueue* queue = &CurrentQueue();
  std::lock_guard<std::mutex> held(model.lock);
  if (window) {
    Window* target = FindWindowLocked(model, window);
    if (!target || target->queue != queue) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return 0;
    }
  } else {
    id = ++next_thread_timer;
  }
  auto interval = std::chrono::milliseconds(std::max<UINT>(elapse, 10));
  for (Timer& timer : queue->timers) {
    if (timer.hwnd == window && timer.id == id) {
      timer.interval = interval;
      timer.due = Clock::now() + interval;
      timer.proc = timer_proc;
      queue->wake.notify_all();
      return window ? 1 : id;
    }
  }
  queue->timers.push_back(Timer{window, id, interval, Clock::now() + interval, timer_proc});
  queue->wake.notify_all();
  return window ? 1 : id;
}

BOOL WINAPI KillTimer(HWND window, UINT_PTR id) {
  Model& model = TheModel();
  ThreadQueue& queue = CurrentQueue();
  std::lock_guard<std::mutex> held(model.lock);
  auto& timers = queue.timers;
  auto found = std::find_if(timers.begin(), timers.end(), [&](const Timer& timer) {
    return timer.hwnd == window && timer.id == id;
  });
  if (found == timers.end()) return FALSE;
  timers.erase(found);
  return TRUE;
}
