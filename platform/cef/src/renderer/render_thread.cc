#include "src/renderer/render_thread.h"

namespace cef_internal {

std::shared_ptr<RenderThread> RenderThread::Start() {
  std::shared_ptr<RenderThread> thread(new RenderThread);
  thread->thread_ = std::thread(&RenderThread::Loop, thread.get());
  RegisterTaskThread(TID_RENDERER, thread);
  return thread;
}

void RenderThread::Stop() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopping_)
      return;
    stopping_ = true;
  }
  wake_.notify_all();
  thread_.join();
  // Another renderer may have taken the id since.
  if (FindTaskThread(TID_RENDERER).get() == this)
    RegisterTaskThread(TID_RENDERER, nullptr);
}

RenderThread::~RenderThread() {
  Stop();
}

void RenderThread::Run(const std::function<void()>& task) {
  if (BelongsToCurrentThread()) {
    task();
    return;
  }
  std::mutex done_mutex;
  std::condition_variable done_signal;
  bool done = false;
  const bool queued = Enqueue(
      [&] {
        task();
        std::lock_guard<std::mutex> done_lock(done_mutex);
        done = true;
        done_signal.notify_all();
      },
      Clock::now());
  if (!queued)
    return;
  std::unique_lock<std::mutex> done_lock(done_mutex);
  done_signal.wait(done_lock, [&] { return done; });
}

bool RenderThread::Post(CefRefPtr<CefTask> task, int64 delay_ms) {
  return Enqueue([task] { task->Execute(); },
                 Clock::now() + std::chrono::milliseconds(delay_ms));
}

bool RenderThread::BelongsToCurrentThread() const {
  return std::this_thread::get_id() == thread_.get_id();
}

bool RenderThread::Enqueue(std::function<void()> task, Clock::time_point due) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (stopping_)
      return false;
    tasks_.emplace(std::make_pair(due, next_sequence_++), std::move(task));
  }
  wake_.notify_all();
  return true;
}

void RenderThread::Loop() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    if (tasks_.empty()) {
      if (stopping_)
        return;
      wake_.wait(lock);
      continue;
    }
    const Clock::time_point due = tasks_.begin()->first.first;
    if (due > Clock::now()) {
      if (stopping_)
        return;
      wake_.wait_until(lock, due);
      continue;
    }
    std::function<void()> task = std::move(tasks_.begin()->second);
    tasks_.erase(tasks_.begin());
    lock.unlock();
    task();
    task = nullptr;
    lock.lock();
  }
}

}  // namespace cef_internal
