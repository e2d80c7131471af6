#include "user/model.h"

#include "desktop/desktop.h"

#include <cwctype>

namespace win32::internal {

namespace {

DWORD NextThreadId() {
  static std::atomic<DWORD> next{1};
  return next++;
}

// Ends the queue with its thread: pending senders get 0, the thread's windows disappear
// without messages (nothing is left to run their procedures).
struct QueueHolder {
  ThreadQueue* queue = nullptr;
  ~QueueHolder() {
    if (!queue) return;
    Model& model = TheModel();
    std::lock_guard<std::mutex> held(model.lock);
    queue->alive = false;
    for (auto& sent : queue->incoming) {
      sent->result = 0;
      sent->done = true;
      if (sent->sender) sent->sender->wake.notify_all();
    }
    queue->incoming.clear();
    std::vector<HWND> owned;
    for (auto& [hwnd, window] : model.windows)
      if (window->queue == queue) owned.push_back(hwnd);
    for (HWND hwnd : owned) ForgetWindowLocked(model, hwnd);
    auto& keys = model.hot_keys;
    keys.erase(std::remove_if(keys.begin(), keys.end(),
                              [this](const HotKey& key) {
                                return !key.hwnd && key.thread_id == queue->thread_id;
                              }),
               keys.end());
    model.queues.erase(queue->thread_id);
    // The queue itself stays allocated: a sender may still hold a pointer to it in a
    // SentMessage it has not yet looked at. It is small and threads are few.
    model.ended_queues.emplace_back(queue);
  }
};

}  // namespace

DWORD CurrentThreadIdValue() {
  thread_local DWORD id = NextThreadId();
  return id;
}

Model& TheModel() {
  static Model* model = new Model;
  return *model;
}

ThreadQueue& CurrentQueue() {
  // Declared here, so that the first call on a thread registers its end with the thread; one
  // at namespace scope was not always ended (never under AddressSanitizer).
  thread_local QueueHolder t_queue;
  if (!t_queue.queue) {
    Model& model = TheModel();
    auto* queue = new ThreadQueue;
    queue->thread_id = CurrentThreadIdValue();
    std::lock_guard<std::mutex> held(model.lock);
    model.queues[queue->thread_id] = queue;
    t_queue.queue = queue;
  }
  return *t_queue.queue;
}

Window* FindWindowLocked(Model& model, HWND hwnd) {
  auto found = model.windows.find(hwnd);
  return found == model.windows.end() ? nullptr : found->second.get();
}

LRESULT CallProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Model& model = TheModel();
  WNDPROC proc = nullptr;
  {
    std::lock_guard<std::mutex> held(model.lock);
    if (Window* window = FindWindowLocked(model, hwnd)) proc = window->proc;
  }
  return proc ? proc(hwnd, message, wparam, lparam) : 0;
}

void PostLocked(ThreadQueue& queue, const MSG& msg) {
  queue.posted.push_back(msg);
  queue.wake.notify_all();
}

void ServeIncomingLocked(std::unique_lock<std::mutex>& held, ThreadQueue& queue) {
  Model& model = TheModel();
  while (!queue.incoming.empty()) {
    std::shared_ptr<SentMessage> sent = queue.incoming.front();
    queue.incoming.pop_front();
    bool target_alive = sent->task || FindWindowLocked(model, sent->hwnd);
    held.unlock();
    LRESULT result = 0;
    if (sent->task)
      result = sent->task();
    else if (target_alive)
      result = CallProcedure(sent->hwnd, sent->message, sent->wparam, sent->lparam);
    held.lock();
    sent->result = result;
    sent->done = true;
    if (sent->sender) sent->sender->wake.notify_all();
  }
}

LRESULT RunOnQueue(ThreadQueue* target, HWND hwnd, std::function<LRESULT()> fn) {
  ThreadQueue& self = CurrentQueue();
  if (target == &self) return fn();
  Model& model = TheModel();
  auto sent = std::make_shared<SentMessage>();
  sent->hwnd = hwnd;
  sent->task = std::move(fn);
  sent->sender = &self;
  std::unique_lock<std::mutex> held(model.lock);
  if (!target->alive) return 0;
  target->incoming.push_back(sent);
  target->wake.notify_all();
  while (!sent->done) {
    ServeIncomingLocked(held, self);
    if (sent->done) break;
    self.wake.wait_for_reply(held);
  }
  return sent->result;
}

void ForgetWindowLocked(Model& model, HWND hwnd) {
  Window* window = FindWindowLocked(model, hwnd);
  if (!window) return;
  if (Window* parent = FindWindowLocked(model, window->parent)) {
    auto& siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), hwnd), siblings.end());
  }
  for (HWND child : window->children)
    if (Window* orphan = FindWindowLocked(model, child)) orphan->parent = nullptr;
  for (auto& [other_handle, other] : model.windows)
    if (other->owner == hwnd) other->owner = nullptr;
  if (ThreadQueue* queue = window->queue) {
    auto& posted = queue->posted;
    posted.erase(std::remove_if(posted.begin(), posted.end(),
                                [hwnd](const MSG& msg) { return msg.hwnd == hwnd; }),
                 posted.end());
    auto& timers = queue->timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [hwnd](const Timer& timer) { return timer.hwnd == hwnd; }),
                 timers.end());
  }
  auto& keys = model.hot_keys;
  keys.erase(std::remove_if(keys.begin(), keys.end(),
                            [hwnd](const HotKey& key) { return key.hwnd == hwnd; }),
             keys.end());
  auto& icons = model.tray_icons;
  icons.erase(std::remove_if(icons.begin(), icons.end(),
                             [hwnd](const TrayIcon& icon) { return icon.hwnd == hwnd; }),
              icons.end());
  if (model.active == hwnd) model.active = nullptr;
  if (model.focus == hwnd) model.focus = nullptr;
  if (model.capture == hwnd) model.capture = nullptr;
  model.windows.erase(hwnd);
  TheDesktop().WindowChanged(hwnd);
}

bool IsVisibleLocked(Model& model, const Window* window) {
  for (; window; window = FindWindowLocked(model, window->parent))
    if (!(window->style & WS_VISIBLE)) return false;
  return true;
}

std::wstring Lower(const std::wstring& text) {
  std::wstring lower(text);
  for (wchar_t& c : lower) c = static_cast<wchar_t>(std::towlower(c));
  return lower;
}

}  // namespace win32::internal
