// A frame of a page in WebKit's web process, as the renderer's application
// sees it. Web process main thread only.
#pragma once

#include <webkit2/webkit-web-extension.h>

#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "src/webkit/extension/jsc_context.h"
#include "src/webkit/gtk/gobject_ptr.h"

namespace cef_internal {

class PageFrame : public CefFrame {
 public:
  PageFrame(CefRefPtr<CefBrowser> browser, WebKitFrame* frame);

  // The context of the frame's current document, NULL before the first.
  CefRefPtr<JscContext> context() const { return context_; }
  void set_context(CefRefPtr<JscContext> context) { context_ = context; }
  // The frame is gone from its page: it turns invalid.
  void Detach();

  bool IsValid() override { return browser_.get() != nullptr; }
  void Undo() override {}
  void Redo() override {}
  void Cut() override {}
  void Copy() override {}
  void Paste() override {}
  void Delete() override {}
  void SelectAll() override {}
  void ViewSource() override {}
  void GetSource(CefRefPtr<CefStringVisitor> visitor) override;
  void GetText(CefRefPtr<CefStringVisitor> visitor) override;
  void LoadRequest(CefRefPtr<CefRequest> request) override;
  void LoadURL(const CefString& url) override;
  // Documents given as text load from the browser process only.
  void LoadString(const CefString& string_val, const CefString& url) override {}
  void ExecuteJavaScript(const CefString& code, const CefString& script_url, int start_line) override;
  bool IsMain() override { return webkit_frame_is_main_frame(frame_.get()); }
  bool IsFocused() override { return IsMain(); }
  CefString GetName() override { return CefString(); }
  int64 GetIdentifier() override { return static_cast<int64>(webkit_frame_get_id(frame_.get())); }
  CefRefPtr<CefFrame> GetParent() override;
  CefString GetURL() override;
  CefRefPtr<CefBrowser> GetBrowser() override { return browser_; }
  CefRefPtr<CefV8Context> GetV8Context() override { return context_.get(); }
  void VisitDOM(CefRefPtr<CefDOMVisitor> visitor) override {}

 private:
  // The value of |script| run in the frame, as text ("" when it throws).
  CefString Evaluate(const char* script);

  CefRefPtr<CefBrowser> browser_;
  const GObjectPtr<WebKitFrame> frame_;
  CefRefPtr<JscContext> context_;

  IMPLEMENT_REFCOUNTING(PageFrame);
};

}  // namespace cef_internal
