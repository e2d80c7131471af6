#include "src/renderer/render_thread.h"

namespace cef_internal {

RenderThread::RenderThread() : thread_(&RenderThread::Loop, this) {}

RenderThread::~RenderThread() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void RenderThread::Run(const std::function<void()>& task) {
  if (BelongsToCurrentThread()) {
    task();
    return;
  }
  std::mutex done_mutex;
  std::condition_variable done_signal;
  bool done = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    tasks_.push_back([&] {
      task();
      std::lock_guard<std::mutex> done_lock(done_mutex);
      done = true;
      done_signal.notify_all();
    });
  }
  wake_.notify_all();
  std::unique_lock<std::mutex> done_lock(done_mutex);
  done_signal.wait(done_lock, [&] { return done; });
}

bool RenderThread::BelongsToCurrentThread() const {
  return std::this_thread::get_id() == thread_.get_id();
}

void RenderThread::Loop() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
    if (tasks_.empty())
      return;
    std::function<void()> task = std::move(tasks_.front());
    tasks_.pop_front();
    lock.unlock();
    task();
    lock.lock();
  }
}

}  // namespace cef_internal
