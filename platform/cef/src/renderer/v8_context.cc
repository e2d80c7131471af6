#include "src/renderer/v8_context.h"

#include <vector>

namespace cef_internal {

namespace {

// Entered contexts of the render thread, innermost last.
thread_local std::vector<CefRefPtr<CefV8Context>> entered;

}  // namespace

V8ContextImpl::V8ContextImpl(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame)
    : browser_(browser),
      frame_(frame),
      global_(new V8ValueImpl(V8ValueImpl::Type::kObject)) {}

void V8ContextImpl::Invalidate() {
  valid_ = false;
  browser_ = nullptr;
  frame_ = nullptr;
  global_->ClearProperties();
}

CefRefPtr<CefV8Value> V8ContextImpl::GetGlobal() {
  return valid_ ? global_.get() : nullptr;
}

bool V8ContextImpl::Enter() {
  if (!valid_)
    return false;
  entered.push_back(this);
  return true;
}

bool V8ContextImpl::Exit() {
  if (entered.empty() || entered.back().get() != this)
    return false;
  entered.pop_back();
  return true;
}

}  // namespace cef_internal

CefRefPtr<CefV8Context> CefV8Context::GetCurrentContext() {
  using cef_internal::entered;
  return entered.empty() ? nullptr : entered.back();
}

bool CefV8Context::InContext() {
  return !cef_internal::entered.empty();
}
