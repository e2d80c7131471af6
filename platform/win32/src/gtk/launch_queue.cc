#include "gtk/launch_queue.h"

#include <utility>

namespace win32::internal::gtk {

LaunchQueue::LaunchQueue(Launch launch, Clock clock)
    : launch_(std::move(launch)), clock_(std::move(clock)) {}

LaunchQueue::~LaunchQueue() {
  {
    std::lock_guard<std::mutex> held(lock_);
    stopping_ = true;
  }
  wake_.notify_one();
  worker_.join();
}

bool LaunchQueue::Submit(std::string address) {
  {
    std::lock_guard<std::mutex> held(lock_);
    if (stopping_ || waiting_.size() + (launching_ ? 1 : 0) >= kMostUnfinished) return false;
    if (!bucket_.Take(clock_())) return false;
    waiting_.push_back(std::move(address));
  }
  wake_.notify_one();
  return true;
}

void LaunchQueue::Work() {
  std::unique_lock<std::mutex> held(lock_);
  for (;;) {
    wake_.wait(held, [this] { return stopping_ || !waiting_.empty(); });
    if (waiting_.empty()) return;
    std::string address = std::move(waiting_.front());
    waiting_.pop_front();
    launching_ = true;
    held.unlock();
    launch_(address);
    held.lock();
    launching_ = false;
  }
}

}  // namespace win32::internal::gtk
