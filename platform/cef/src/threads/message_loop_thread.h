// A thread running a Win32 message loop that also runs posted tasks. Tasks
// wake the loop through a hidden window of its own, so they also run inside
// modal loops (message boxes, menus) on the thread.
#pragma once

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

#include "src/threads/task_thread.h"

namespace cef_internal {

class MessageLoopThread : public TaskThread {
 public:
  MessageLoopThread() = default;
  ~MessageLoopThread() override;
  MessageLoopThread(const MessageLoopThread&) = delete;
  MessageLoopThread& operator=(const MessageLoopThread&) = delete;

  // Starts the thread and returns once it takes tasks.
  void Start();
  // Called from another thread: runs |before_quit| on the thread, then the
  // tasks still queued (delayed ones are dropped), ends the loop and joins.
  void Stop(std::function<void()> before_quit);

  // Runs |function| on the thread and returns when it has run; false if the
  // thread is not running. The caller keeps serving messages sent to its own
  // windows meanwhile. Runs ahead of queued tasks.
  bool RunNow(const std::function<void()>& function);
  // Runs queued tasks until none is ready (delayed ones excepted).
  void RunUntilIdle();

  bool Post(CefRefPtr<CefTask> task, int64 delay_ms) override;
  bool BelongsToCurrentThread() const override;
  DWORD thread_id() const { return thread_id_; }

 private:
  typedef std::chrono::steady_clock Clock;

  static LRESULT CALLBACK TaskWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  void Run();
  bool TakesTasks();
  void RunReadyTasks();
  void ScheduleTimer();
  void StopOnThread(const std::function<void()>& before_quit);

  std::mutex lock_;
  std::condition_variable started_;
  bool running_ = false;
  bool accepting_ = false;
  bool wake_pending_ = false;
  std::deque<CefRefPtr<CefTask>> ready_;
  std::multimap<Clock::time_point, CefRefPtr<CefTask>> delayed_;
  HWND task_window_ = NULL;
  DWORD thread_id_ = 0;
  std::thread::id id_;
  std::thread thread_;
};

}  // namespace cef_internal
