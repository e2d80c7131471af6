// What a queue's thread sleeps on. A thread that also runs another event loop (the GUI thread of a
// desktop with real windows) installs an outside waiter, which then does that thread's waiting and
// is told of every wake.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace win32::internal {

class OutsideWaiter {
 public:
  virtual ~OutsideWaiter() = default;
  // The model's lock is held; must not take it.
  virtual void Wake() = 0;
  // The model's lock is held on entry and on return, released meanwhile. May return early.
  virtual void Wait(std::unique_lock<std::mutex>& held,
                    std::optional<std::chrono::steady_clock::time_point> until) = 0;
};

class QueueWake {
 public:
  void notify_all() {
    condition_.notify_all();
    if (outside_) outside_->Wake();
  }
  void wait(std::unique_lock<std::mutex>& held) {
    if (outside_)
      outside_->Wait(held, std::nullopt);
    else
      condition_.wait(held);
  }
  void wait_until(std::unique_lock<std::mutex>& held, std::chrono::steady_clock::time_point until) {
    if (outside_)
      outside_->Wait(held, until);
    else
      condition_.wait_until(held, until);
  }
  // A sender waiting for its reply is woken by the reply or by a message sent to it, and runs
  // nothing else meanwhile, as in Win32: on the GUI thread, no GTK event or idle work runs inside
  // the handler that is waiting.
  void wait_for_reply(std::unique_lock<std::mutex>& held) { condition_.wait(held); }
  // The model's lock is held.
  void set_outside(OutsideWaiter* waiter) { outside_ = waiter; }

 private:
  std::condition_variable condition_;
  OutsideWaiter* outside_ = nullptr;
};

}  // namespace win32::internal
