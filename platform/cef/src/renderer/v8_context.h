// The scripted engine's JavaScript context: one per frame and document.
#pragma once

#include "include/cef_v8.h"
#include "src/renderer/v8_value.h"

namespace cef_internal {

class V8ContextImpl : public CefV8Context {
 public:
  V8ContextImpl(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame);

  // Ends the context: it turns invalid, lets go of its browser and frame and
  // empties its global object. Render thread.
  void Invalidate();

  CefRefPtr<V8ValueImpl> global() const { return global_; }

  // CefV8Context methods.
  bool IsValid() override { return valid_; }
  CefRefPtr<CefBrowser> GetBrowser() override { return browser_; }
  CefRefPtr<CefFrame> GetFrame() override { return frame_; }
  CefRefPtr<CefV8Value> GetGlobal() override;
  bool Enter() override;
  bool Exit() override;
  bool IsSame(CefRefPtr<CefV8Context> that) override { return that.get() == this; }

 private:
  bool valid_ = true;
  CefRefPtr<CefBrowser> browser_;
  CefRefPtr<CefFrame> frame_;
  CefRefPtr<V8ValueImpl> global_;

  IMPLEMENT_REFCOUNTING(V8ContextImpl);
};

}  // namespace cef_internal
