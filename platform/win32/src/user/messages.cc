// Posting, sending, retrieving and dispatching messages.
#include "user/message_retrieval.h"
#include "user/model.h"

#include <cwctype>

using namespace win32::internal;

namespace {

bool HasRetrievableLocked(Model& model, ThreadQueue& queue) {
  MSG ignored;
  return TakeMessageLocked(model, queue, MessageFilter{}, false, &ignored);
}

// Waits on the queue's wake until notified, a timer falls due or the deadline passes.
void WaitLocked(std::unique_lock<std::mutex>& held, ThreadQueue& queue,
                std::optional<Clock::time_point> deadline) {
  std::optional<Clock::time_point> until = NextTimerDueLocked(queue);
  if (deadline && (!until || *deadline < *until)) until = deadline;
  if (until)
    queue.wake.wait_until(held, *until);
  else
    queue.wake.wait(held);
}

MessageFilter FilterOf(HWND hwnd, UINT min, UINT max) {
  MessageFilter filter;
  filter.hwnd = hwnd;
  filter.min = min;
  filter.max = max;
  return filter;
}

}  // namespace

BOOL WINAPI GetMessageW(LPMSG msg, HWND window, UINT filter_min, UINT filter_max) {
  if (!msg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  Model& model = TheModel();
  ThreadQueue& queue = CurrentQueue();
  MessageFilter filter = FilterOf(window, filter_min, filter_max);
  std::unique_lock<std::mutex> held(model.lock);
  for (;;) {
    ServeIncomingLocked(held, queue);
    if (TakeMessageLocked(model, queue, filter, true, msg)) return msg->message != WM_QUIT;
    WaitLocked(held, queue, std::nullopt);
  }
}

BOOL WINAPI PeekMessageW(LPMSG msg, HWND window, UINT filter_min, UINT filter_max, UINT remove) {
  if (!msg) return FALSE;
  Model& model = TheModel();
  ThreadQueue& queue = CurrentQueue();
  std::unique_lock<std::mutex> held(model.lock);
  ServeIncomingLocked(held, queue);
  return TakeMessageLocked(model, queue, FilterOf(window, filter_min, filter_max),
                           (remove & PM_REMOVE) != 0, msg);
}

BOOL WINAPI PostMessageW(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (!window) return PostThreadMessageW(GetCurrentThreadId(), message, wparam, lparam);
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  Window* target = FindWindowLocked(model, window);
  if (!target || !target->queue->alive) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  MSG msg{};
  msg.hwnd = window;
  msg.message = message;
  msg.wParam = wparam;
  msg.lParam = lparam;
  msg.time = GetTickCount();
  PostLocked(*target->queue, msg);
  return TRUE;
}

BOOL WINAPI PostThreadMessageW(DWORD thread_id, UINT message, WPARAM wparam, LPARAM lparam) {
  if (thread_id == GetCurrentThreadId()) CurrentQueue();
  Model& model = TheModel();
  std::lock_guard<std::mutex> held(model.lock);
  auto found = model.queues.find(thread_id);
  if (found == model.queues.end() || !found->second->alive) {
    SetLastError(ERROR_INVALID_THREAD_ID);
    return FALSE;
  }
  MSG msg{};
  msg.message = message;
  msg.wParam = wparam;
  msg.lParam = lparam;
  msg.time = GetTickCount();
  PostLocked(*found->second, msg);
  return TRUE;
}

void WINAPI PostQuitMessage(int exit_code) {
  Model& model = TheModel();
  ThreadQueue& queue = CurrentQueue();
  std::lock_guard<std::mutex> held(model.lock);
  queue.quit_posted = true;
  queue.quit_code = exit_code;
  queue.wake.notify_all();
}

LRESULT WINAPI SendMessageW(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  Model& model = TheModel();
  ThreadQueue& self = CurrentQueue();
  auto sent = std::make_shared<SentMessage>();
  std::unique_lock<std::mutex> held(model.lock);
  Window* target = FindWindowLocked(model, window);
  if (!target) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (target->queue == &self) {
    held.unlock();
    return CallProcedure(window, message, wparam, lparam);
  }
  ThreadQueue* receiver = target->queue;
  if (!receiver->alive) return 0;
  sent->hwnd = window;
  sent->message = message;
  sent->wparam = wparam;
  sent->lparam = lparam;
  sent->sender = &self;
  receiver->incoming.push_back(sent);
  receiver->wake.notify_all();
  while (!sent->done) {
    ServeIncomingLocked(held, self);
    if (sent->done) break;
    self.wake.wait_for_reply(held);
  }
  return sent->result;
}

LRESULT WINAPI DispatchMessageW(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    auto proc = reinterpret_cast<void (*)(HWND, UINT, UINT_PTR, DWORD)>(msg->lParam);
    proc(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
    return 0;
  }
  if (!msg->hwnd) return 0;
  return CallProcedure(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL WINAPI TranslateMessage(const MSG* msg) {
  if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
  WPARAM key = msg->wParam;
  wchar_t character = 0;
  if (key == VK_RETURN || key == VK_BACK || key == VK_TAB || key == VK_ESCAPE || key == VK_SPACE ||
      (key >= '0' && key <= '9')) {
    character = static_cast<wchar_t>(key);
  } else if (key >= 'A' && key <= 'Z') {
    bool shifted = GetKeyState(VK_SHIFT) < 0;
    character = static_cast<wchar_t>(shifted ? key : std::towlower(static_cast<wint_t>(key)));
  }
  if (!character) return FALSE;
  PostMessageW(msg->hwnd, msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, character,
               msg->lParam);
  return TRUE;
}

DWORD WINAPI MsgWaitForMultipleObjects(DWORD count, const HANDLE* handles, BOOL wait_all,
                                       DWORD milliseconds, DWORD wake_mask) {
  Model& model = TheModel();
  ThreadQueue& queue = CurrentQueue();
  std::optional<Clock::time_point> deadline;
  if (milliseconds != INFINITE)
    deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
  std::unique_lock<std::mutex> held(model.lock);
  for (;;) {
    if (!queue.incoming.empty() || HasRetrievableLocked(model, queue)) return WAIT_OBJECT_0 + count;
    if (deadline && Clock::now() >= *deadline) return WAIT_TIMEOUT;
    WaitLocked(held, queue, deadline);
  }
}

BOOL WINAPI WaitMessage() {
  Model& model = TheModel();
  ThreadQueue& queue = CurrentQueue();
  std::unique_lock<std::mutex> held(model.lock);
  for (;;) {
    ServeIncomingLocked(held, queue);
    if (HasRetrievableLocked(model, queue)) return TRUE;
    WaitLocked(held, queue, std::nullopt);
  }
}
