#include "src/threads/message_loop_thread.h"


namespace cef_internal {

namespace {

const wchar_t kTaskWindowClass[] = L"CefTaskWindow";
const UINT kRunTasksMessage = WM_USER + 1;
const UINT kStopMessage = WM_USER + 2;
const UINT kRunNowMessage = WM_USER + 3;
const UINT_PTR kDelayedTimer = 1;

void RegisterTaskWindowClass(WNDPROC proc) {
  static std::once_flag registered;
  std::call_once(registered, [proc] {
    WNDCLASSEXW window_class = {};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = proc;
    window_class.hInstance = GetModuleHandleW(NULL);
    window_class.lpszClassName = kTaskWindowClass;
    RegisterClassExW(&window_class);
  });
}

}  // namespace

MessageLoopThread::~MessageLoopThread() {
  if (thread_.joinable())
    Stop(nullptr);
}

void MessageLoopThread::Start() {
  std::unique_lock<std::mutex> held(lock_);
  if (running_)
    return;
  thread_ = std::thread(&MessageLoopThread::Run, this);
  started_.wait(held, [this] { return running_; });
}

void MessageLoopThread::Stop(std::function<void()> before_quit) {
  if (!thread_.joinable() || BelongsToCurrentThread())
    return;
  // Sent, not posted: while it waits the caller still serves messages sent
  // to its own windows, which the work on the thread may need.
  SendMessageW(task_window_, kStopMessage, 0, reinterpret_cast<LPARAM>(&before_quit));
  thread_.join();
  std::lock_guard<std::mutex> held(lock_);
  running_ = false;
}

bool MessageLoopThread::RunNow(const std::function<void()>& function) {
  if (BelongsToCurrentThread()) {
    function();
    return true;
  }
  HWND window;
  {
    std::lock_guard<std::mutex> held(lock_);
    if (!accepting_)
      return false;
    window = task_window_;
  }
  return SendMessageW(window, kRunNowMessage, 0, reinterpret_cast<LPARAM>(&function)) == 1;
}

void MessageLoopThread::RunUntilIdle() {
  for (;;) {
    {
      std::lock_guard<std::mutex> held(lock_);
      if (ready_.empty())
        return;
    }
    RunReadyTasks();
  }
}

bool MessageLoopThread::Post(CefRefPtr<CefTask> task, int64 delay_ms) {
  HWND window;
  {
    std::lock_guard<std::mutex> held(lock_);
    if (!accepting_)
      return false;
    if (delay_ms > 0) {
      delayed_.emplace(Clock::now() + std::chrono::milliseconds(delay_ms), task);
    } else {
      ready_.push_back(task);
    }
    if (wake_pending_)
      return true;
    wake_pending_ = true;
    window = task_window_;
  }
  PostMessageW(window, kRunTasksMessage, 0, 0);
  return true;
}

bool MessageLoopThread::BelongsToCurrentThread() const { return std::this_thread::get_id() == id_; }

LRESULT CALLBACK MessageLoopThread::TaskWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == kRunTasksMessage || (message == WM_TIMER && wparam == kDelayedTimer)) {
    auto* self = reinterpret_cast<MessageLoopThread*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self)
      self->RunReadyTasks();
    return 0;
  }
  if (message == kRunNowMessage) {
    (*reinterpret_cast<const std::function<void()>*>(lparam))();
    return 1;
  }
  if (message == kStopMessage) {
    auto* self = reinterpret_cast<MessageLoopThread*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    auto* before_quit = reinterpret_cast<std::function<void()>*>(lparam);
    if (self)
      self->StopOnThread(*before_quit);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

void MessageLoopThread::Run() {
  RegisterTaskWindowClass(&MessageLoopThread::TaskWindowProc);
  HWND window = CreateWindowExW(0, kTaskWindowClass, L"", WS_POPUP, 0, 0, 0, 0, NULL, NULL, GetModuleHandleW(NULL),
                                NULL);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  {
    std::lock_guard<std::mutex> held(lock_);
    id_ = std::this_thread::get_id();
    thread_id_ = GetCurrentThreadId();
    task_window_ = window;
    running_ = true;
    accepting_ = true;
  }
  started_.notify_all();

  // A stop that comes while a task runs a nested loop posts its quit into that loop, where a
  // quit the task posted itself may already wait: the two are one WM_QUIT, which the nested
  // loop takes. This loop then ends on the stop alone.
  MSG msg;
  while (TakesTasks() && GetMessageW(&msg, NULL, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  DestroyWindow(window);
}

bool MessageLoopThread::TakesTasks() {
  std::lock_guard<std::mutex> held(lock_);
  return accepting_;
}

// Runs the tasks that are due now, taking them one at a time so that a
// nested message loop inside one of them runs the others: while any wait, a
// wake stays posted for that loop to find. Tasks posted meanwhile wait for the
// next wake.
void MessageLoopThread::RunReadyTasks() {
  size_t due;
  {
    std::lock_guard<std::mutex> held(lock_);
    wake_pending_ = false;
    const Clock::time_point now = Clock::now();
    while (!delayed_.empty() && delayed_.begin()->first <= now) {
      ready_.push_back(delayed_.begin()->second);
      delayed_.erase(delayed_.begin());
    }
    due = ready_.size();
  }
  for (; due > 0; --due) {
    CefRefPtr<CefTask> task;
    HWND wake = NULL;
    {
      std::lock_guard<std::mutex> held(lock_);
      if (ready_.empty())
        break;
      task = ready_.front();
      ready_.pop_front();
      if (!ready_.empty() && !wake_pending_) {
        wake_pending_ = true;
        wake = task_window_;
      }
    }
    if (wake)
      PostMessageW(wake, kRunTasksMessage, 0, 0);
    task->Execute();
  }
  ScheduleTimer();
}

void MessageLoopThread::ScheduleTimer() {
  Clock::time_point next;
  HWND window;
  {
    std::lock_guard<std::mutex> held(lock_);
    if (delayed_.empty()) {
      KillTimer(task_window_, kDelayedTimer);
      return;
    }
    next = delayed_.begin()->first;
    window = task_window_;
  }
  const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(next - Clock::now()).count();
  SetTimer(window, kDelayedTimer, static_cast<UINT>(wait > 0 ? wait : 0), NULL);
}

// What is queued still runs (and may queue more); then the thread stops
// taking tasks and its loop ends.
void MessageLoopThread::StopOnThread(const std::function<void()>& before_quit) {
  if (before_quit)
    before_quit();
  std::multimap<Clock::time_point, CefRefPtr<CefTask>> dropped;
  for (;;) {
    std::deque<CefRefPtr<CefTask>> batch;
    {
      std::lock_guard<std::mutex> held(lock_);
      if (ready_.empty()) {
        accepting_ = false;
        dropped.swap(delayed_);
        break;
      }
      batch.swap(ready_);
    }
    for (CefRefPtr<CefTask>& task : batch)
      task->Execute();
  }
  KillTimer(task_window_, kDelayedTimer);
  PostQuitMessage(0);
}

}  // namespace cef_internal
