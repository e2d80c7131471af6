// A thread running a message loop, with a hidden anchor window through which tests run code
// on it.
#pragma once

#include <windows.h>

#include <functional>
#include <thread>

namespace win32_test {

class UiThread {
 public:
  UiThread();
  ~UiThread();  // quits the loop and joins
  UiThread(const UiThread&) = delete;
  UiThread& operator=(const UiThread&) = delete;

  // Runs fn on the thread and waits.
  void Run(const std::function<void()>& fn);
  HWND anchor() const { return anchor_; }
  DWORD thread_id() const { return thread_id_; }

 private:
  std::thread thread_;
  HWND anchor_ = nullptr;
  DWORD thread_id_ = 0;
};

}  // namespace win32_test
