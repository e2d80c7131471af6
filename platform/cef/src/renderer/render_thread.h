// The renderer's render thread: every renderer-side engine object and every
// call into the application's render process handler lives on it.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace cef_internal {

class RenderThread {
 public:
  RenderThread();
  // Runs what is queued, then joins the thread.
  ~RenderThread();
  RenderThread(const RenderThread&) = delete;
  RenderThread& operator=(const RenderThread&) = delete;

  // Runs |task| on the render thread and waits for it; on the render thread
  // itself the task runs at once.
  void Run(const std::function<void()>& task);

  bool BelongsToCurrentThread() const;

 private:
  void Loop();

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::function<void()>> tasks_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace cef_internal
