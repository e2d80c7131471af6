// A thread standing in for the program's main thread: it runs the UI library's kind of
// message loop (pre-message filters first), and tests run code on it synchronously.
#pragma once

#include <windows.h>

#include <functional>
#include <thread>

class WindowThread {
 public:
  WindowThread();
  ~WindowThread();
  WindowThread(const WindowThread&) = delete;
  WindowThread& operator=(const WindowThread&) = delete;

  // Runs fn on the thread and waits for it.
  void Run(const std::function<void()>& fn);
  DWORD id() const { return thread_id_; }

 private:
  void Loop();

  std::thread thread_;
  DWORD thread_id_ = 0;
};
