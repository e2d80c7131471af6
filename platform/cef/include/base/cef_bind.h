// base::Bind: binds a function or a method and its leading arguments into a
// base::Callback. A bound object that is reference counted (derives CefBase)
// is held by a CefRefPtr until the last copy of the callback is destroyed;
// wrap it in base::Unretained() to bind it without a reference.
#pragma once

#include <tuple>
#include <type_traits>
#include <utility>

#include "include/base/cef_callback.h"
#include "include/cef_base.h"

namespace base {

template <typename T>
struct UnretainedWrapper {
  operator T*() const { return ptr; }
  T* ptr;
};

template <typename T>
UnretainedWrapper<T> Unretained(T* ptr) {
  return UnretainedWrapper<T>{ptr};
}

namespace cef_internal {

// How a bound argument is stored: counted objects by reference, the rest by value.
template <typename A>
struct BoundStorage {
  typedef A type;
};
template <typename T>
struct BoundStorage<T*> {
  typedef std::conditional_t<std::is_base_of<CefBase, T>::value, CefRefPtr<T>, T*> type;
};
template <typename T>
struct BoundStorage<UnretainedWrapper<T>> {
  typedef T* type;
};

template <typename A>
typename BoundStorage<std::decay_t<A>>::type Store(A&& a) {
  return typename BoundStorage<std::decay_t<A>>::type(std::forward<A>(a));
}

template <typename T>
T* Unwrap(const CefRefPtr<T>& p) {
  return p.get();
}
template <typename T>
const T& Unwrap(const T& v) {
  return v;
}

template <typename F>
struct FunctionTraits;

template <typename R, typename... P>
struct FunctionTraits<R (*)(P...)> {
  typedef R Return;
  typedef std::tuple<P...> Params;
};
template <typename R, typename C, typename... P>
struct FunctionTraits<R (C::*)(P...)> {
  typedef R Return;
  typedef std::tuple<C*, P...> Params;
};
template <typename R, typename C, typename... P>
struct FunctionTraits<R (C::*)(P...) const> {
  typedef R Return;
  typedef std::tuple<const C*, P...> Params;
};

template <typename R, typename Unbound>
struct MakeCallback;

template <typename R, typename... U>
struct MakeCallback<R, std::tuple<U...>> {
  template <typename F, typename Bound>
  static Callback<R(U...)> Make(F f, Bound bound) {
    return Callback<R(U...)>([f, bound](U... unbound) -> R {
      return std::apply(
          [&](const auto&... b) -> R { return std::invoke(f, Unwrap(b)..., std::forward<U>(unbound)...); },
          bound);
    });
  }
};

template <size_t N, typename Tuple, typename = std::make_index_sequence<std::tuple_size<Tuple>::value - N>>
struct DropFront;
template <size_t N, typename Tuple, size_t... I>
struct DropFront<N, Tuple, std::index_sequence<I...>> {
  typedef std::tuple<std::tuple_element_t<N + I, Tuple>...> type;
};

}  // namespace cef_internal

template <typename F, typename... A>
auto Bind(F f, A&&... args) {
  typedef cef_internal::FunctionTraits<F> Traits;
  typedef typename cef_internal::DropFront<sizeof...(A), typename Traits::Params>::type Unbound;
  auto bound = std::make_tuple(cef_internal::Store(std::forward<A>(args))...);
  return cef_internal::MakeCallback<typename Traits::Return, Unbound>::Make(f, std::move(bound));
}

}  // namespace base
