// A UI thread for tests: it creates a window and then serves the library's message loop.
#pragma once

#include <windows.h>

#include <functional>
#include <thread>

namespace duilib_test {

class WindowThread {
 public:
  // create runs on the new thread and returns the window it made (or null).
  explicit WindowThread(const std::function<HWND()>& create);
  // Destroys the window if it still exists, ends the loop and joins the thread.
  ~WindowThread();
  WindowThread(const WindowThread&) = delete;
  WindowThread& operator=(const WindowThread&) = delete;

  HWND hwnd() const { return hwnd_; }
  // Runs fn on the thread and waits.
  void Run(const std::function<void()>& fn) const;

 private:
  std::thread thread_;
  DWORD thread_id_ = 0;
  HWND hwnd_ = nullptr;
};

}  // namespace duilib_test
