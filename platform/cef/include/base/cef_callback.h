// base::Callback: a copyable handle to a bound function. Copies share the
// bound state, which is destroyed with the last copy.
#pragma once

#include <functional>
#include <memory>
#include <utility>

namespace base {

template <typename Signature>
class Callback;

template <typename R, typename... Args>
class Callback<R(Args...)> {
 public:
  typedef R RunType(Args...);

  Callback() {}
  explicit Callback(std::function<R(Args...)> f)
      : state_(f ? std::make_shared<std::function<R(Args...)>>(std::move(f)) : nullptr) {}

  bool is_null() const { return !state_; }
  void Reset() { state_.reset(); }
  bool Equals(const Callback& other) const { return state_ == other.state_; }

  R Run(Args... args) const { return (*state_)(std::forward<Args>(args)...); }

 private:
  std::shared_ptr<const std::function<R(Args...)>> state_;
};

typedef Callback<void()> Closure;

}  // namespace base
