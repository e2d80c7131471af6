// The renderer's render thread: every renderer-side engine object and every
// call into the application's render process handler lives on it. While it
// runs it is the engine's TID_RENDERER.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

#include "src/threads/task_thread.h"

namespace cef_internal {

class RenderThread : public TaskThread {
 public:
  // Starts the thread; Start registers it as TID_RENDERER.
  static std::shared_ptr<RenderThread> Start();
  // Runs the tasks already due, drops delayed ones, gives up TID_RENDERER
  // and joins the thread.
  void Stop();
  ~RenderThread() override;

  // Runs |task| on the render thread and waits for it; on the render thread
  // itself the task runs at once. Once stopped, does nothing.
  void Run(const std::function<void()>& task);

  // Runs |task| on the render thread later; false once stopped.
  bool PostFunction(std::function<void()> task) { return Enqueue(std::move(task), Clock::now()); }

  // TaskThread methods.
  bool Post(CefRefPtr<CefTask> task, int64 delay_ms) override;
  bool BelongsToCurrentThread() const override;

 private:
  typedef std::chrono::steady_clock Clock;
  // Ordered by due time, then by posting order.
  typedef std::map<std::pair<Clock::time_point, uint64_t>, std::function<void()>> Queue;

  RenderThread() = default;
  bool Enqueue(std::function<void()> task, Clock::time_point due);
  void Loop();

  std::mutex mutex_;
  std::condition_variable wake_;
  Queue tasks_;
  uint64_t next_sequence_ = 0;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace cef_internal
