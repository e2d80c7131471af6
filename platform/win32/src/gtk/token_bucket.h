// A rate bound: a burst of takes at once, then one more per interval.
#pragma once

#include <chrono>

namespace win32::internal::gtk {

class TokenBucket {
 public:
  using Clock = std::chrono::steady_clock;

  // Starts full.
  TokenBucket(int burst, Clock::duration refill_every);

  // False, and nothing taken, when the bucket is empty at |now|. A clock that goes back earns nothing.
  bool Take(Clock::time_point now);

 private:
  void Refill(Clock::time_point now);

  const int burst_;
  const Clock::duration refill_every_;
  int tokens_;
  bool started_ = false;
  Clock::time_point last_refill_;
};

}  // namespace win32::internal::gtk
