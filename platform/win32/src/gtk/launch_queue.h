// Addresses handed to a launch function on a worker thread, bounded so that a page asking for
// thousands of them neither starts thousands of programs nor stalls the thread that asked.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "gtk/token_bucket.h"

namespace win32::internal::gtk {

class LaunchQueue {
 public:
  // Runs on the queue's worker thread, one launch at a time.
  using Launch = std::function<void(const std::string& address)>;
  using Clock = std::function<TokenBucket::Clock::time_point()>;

  static constexpr int kBurst = 32;
  static constexpr std::chrono::milliseconds kRefillEvery{250};
  // Accepted launches not yet done, the one running included: a launch that hangs (a handler
  // that never answers) ends in refusals, not in an ever longer queue.
  static constexpr size_t kMostUnfinished = 32;

  explicit LaunchQueue(Launch launch, Clock clock = TokenBucket::Clock::now);
  // Finishes the launches already accepted.
  ~LaunchQueue();
  LaunchQueue(const LaunchQueue&) = delete;
  LaunchQueue& operator=(const LaunchQueue&) = delete;

  // Any thread; returns at once, never waiting for a launch. False when refused: too many asked
  // for lately, or too many still unfinished.
  bool Submit(std::string address);

 private:
  void Work();

  const Launch launch_;
  const Clock clock_;
  std::mutex lock_;
  std::condition_variable wake_;
  TokenBucket bucket_{kBurst, kRefillEvery};
  std::deque<std::string> waiting_;
  bool launching_ = false;
  bool stopping_ = false;
  std::thread worker_{&LaunchQueue::Work, this};  // last, so that it starts on a whole queue
};

}  // namespace win32::internal::gtk
