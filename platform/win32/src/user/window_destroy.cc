// DestroyWindow: owned windows first, then WM_DESTROY top-down and WM_NCDESTROY bottom-up.
// Windows of other threads in the tree are destroyed on their own thread while the caller waits.
#include "user/model.h"
#include "user/window_position.h"

using namespace win32::internal;

namespace {

struct Related {
  std::vector<HWND> same_thread;
  std::vector<std::pair<HWND, ThreadQueue*>> other_thread;
};

Related OwnedWindows(HWND hwnd) {
  Model& model = TheModel();
  ThreadQueue* self = &CurrentQueue();
  Related related;
  std::lock_guard<std::mutex> held(model.lock);
  for (auto& [handle, window] : model.windows) {
    if (window->owner != hwnd || window->destroying) continue;
    if (window->queue == self)
      related.same_thread.push_back(handle);
    else
      related.other_thread.emplace_back(handle, window->queue);
  }
  return related;
}

Related Children(HWND hwnd) {
  Model& model = TheModel();
  ThreadQueue* self = &CurrentQueue();
  Related related;
  std::lock_guard<std::mutex> held(model.lock);
  Window* window = FindWindowLocked(model, hwnd);
  if (!window) return related;
  for (HWND child : window->children) {
    Window* each = FindWindowLocked(model, child);
    if (!each || each->destroying) continue;
    if (each->queue == self)
      related.same_thread.push_back(child);
    else
      related.other_thread.emplace_back(child, each->queue);
  }
  return related;
}

void DestroyElsewhere(const std::vector<std::pair<HWND, ThreadQueue*>>& windows) {
  for (auto& [hwnd, queue] : windows) {
    HWND target = hwnd;
    RunOnQueue(queue, target, [target]() -> LRESULT { return DestroyWindow(target); });
  }
}

void MarkDestroying(HWND hwnd) {
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  if (Window* window = FindWindowLocked(model, hwnd)) window->destroying = true;
}

void SendDestroyTopDown(HWND hwnd) {
  MarkDestroying(hwnd);
  CallProcedure(hwnd, WM_DESTROY, 0, 0);
  Related children = Children(hwnd);
  DestroyElsewhere(children.other_thread);
  for (HWND child : children.same_thread) SendDestroyTopDown(child);
}

void SendNcDestroyBottomUp(HWND hwnd) {
  Model& model = TheModel();
  std::vector<HWND> children;
  {
    std::lock_guard<std::mutex> held(model.lock);
    if (Window* window = FindWindowLocked(model, hwnd)) children = window->children;
  }
  for (HWND child : children) SendNcDestroyBottomUp(child);
  CallProcedure(hwnd, WM_NCDESTROY, 0, 0);
  std::lock_guard<std::mutex> held(model.lock);
  ForgetWindowLocked(model, hwnd);
}

}  // namespace

BOOL WINAPI DestroyWindow(HWND window) {
  Model& model = TheModel();
  ThreadQueue* self = &CurrentQueue();
  bool visible;
  {
    std::lock_guard<std::mutex> held(model.lock);
    Window* target = FindWindowLocked(model, window);
    if (!target) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    if (target->queue != self) {
      SetLastError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
    if (target->destroying) return TRUE;
    target->destroying = true;
    visible = (target->style & WS_VISIBLE) != 0;
  }
  if (visible)
    PositionWindow(window, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE, false);
  Related owned = OwnedWindows(window);
  DestroyElsewhere(owned.other_thread);
  for (HWND each : owned.same_thread) DestroyWindow(each);
  if (!IsWindow(window)) return TRUE;
  SendDestroyTopDown(window);
  SendNcDestroyBottomUp(window);
  return TRUE;
}
