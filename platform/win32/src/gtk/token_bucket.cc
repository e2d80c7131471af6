#include "gtk/token_bucket.h"

namespace win32::internal::gtk {

TokenBucket::TokenBucket(int burst, Clock::duration refill_every)
    : burst_(burst), refill_every_(refill_every), tokens_(burst) {}

bool TokenBucket::Take(Clock::time_point now) {
  Refill(now);
  if (tokens_ == 0) return false;
  --tokens_;
  return true;
}

void TokenBucket::Refill(Clock::time_point now) {
  if (!started_ || tokens_ >= burst_) {
    started_ = true;
    last_refill_ = now;
    return;
  }
  if (now <= last_refill_) return;
  // Whole intervals only, and the remainder carried, so that refills never drift.
  const auto earned = (now - last_refill_) / refill_every_;
  if (earned >= burst_ - tokens_) {
    tokens_ = burst_;
    last_refill_ = now;
  } else {
    tokens_ += static_cast<int>(earned);
    last_refill_ += earned * refill_every_;
  }
}

}  // namespace win32::internal::gtk
