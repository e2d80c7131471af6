// Owns one reference to a GObject (or to anything with a ref/unref pair).
#pragma once

#include <glib-object.h>

#include <utility>

namespace cef_internal {

template <typename T>
class GObjectPtr {
 public:
  GObjectPtr() = default;
  // Takes over a reference the caller owns (a "transfer full" result).
  static GObjectPtr Adopt(T* object) {
    GObjectPtr ptr;
    ptr.object_ = object;
    return ptr;
  }
  // Adds a reference of its own; a floating reference is sunk.
  static GObjectPtr Share(T* object) {
    GObjectPtr ptr;
    ptr.object_ = object ? static_cast<T*>(g_object_ref_sink(object)) : nullptr;
    return ptr;
  }
  GObjectPtr(const GObjectPtr& other) : object_(other.object_) {
    if (object_)
      g_object_ref(object_);
  }
  GObjectPtr(GObjectPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  GObjectPtr& operator=(GObjectPtr other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }
  ~GObjectPtr() {
    if (object_)
      g_object_unref(object_);
  }

  T* get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  T* object_ = nullptr;
};

}  // namespace cef_internal
