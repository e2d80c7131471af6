// A frame as the renderer sees it: its document's address, its JavaScript
// context and the scripts run in it. Render thread only.
#pragma once

#include <string>

#include "include/cef_frame.h"
#include "src/renderer/bounded_log.h"
#include "src/renderer/v8_context.h"

namespace cef_internal {

class RendererBrowser;

// A script handed to CefFrame::ExecuteJavaScript.
struct ExecutedScript {
  CefString code;
  CefString url;
  int start_line = 0;
};

class RendererFrame : public CefFrame {
 public:
  RendererFrame(CefRefPtr<RendererBrowser> browser, int64 identifier, const CefString& name,
                int64 parent_identifier);

  // The context of the frame's current document; NULL before the first.
  CefRefPtr<V8ContextImpl> context() const { return context_; }
  void set_context(CefRefPtr<V8ContextImpl> context) { context_ = context; }
  // A new document: its address and, when it was given as text, its source.
  void SetDocument(const CefString& url, const CefString& source);
  const BoundedLog<ExecutedScript>& scripts() const { return scripts_; }

  // The frame is gone from its browser: it turns invalid and lets go of it.
  void Detach();

  // CefFrame methods.
  bool IsValid() override { return browser_.get() != nullptr; }
  void Undo() override {}
  void Redo() override {}
  void Cut() override {}
  void Copy() override {}
  void Paste() override {}
  void Delete() override {}
  void SelectAll() override {}
  void ViewSource() override {}
  // The source is known only for documents loaded from text.
  void GetSource(CefRefPtr<CefStringVisitor> visitor) override;
  void GetText(CefRefPtr<CefStringVisitor> visitor) override;
  void LoadRequest(CefRefPtr<CefRequest> request) override;
  void LoadURL(const CefString& url) override;
  void LoadString(const CefString& string_val, const CefString& url) override;
  void ExecuteJavaScript(const CefString& code, const CefString& script_url,
                         int start_line) override;
  bool IsMain() override { return parent_identifier_ == 0; }
  bool IsFocused() override { return IsMain(); }
  CefString GetName() override { return name_; }
  int64 GetIdentifier() override { return identifier_; }
  CefRefPtr<CefFrame> GetParent() override;
  CefString GetURL() override { return url_; }
  CefRefPtr<CefBrowser> GetBrowser() override;
  CefRefPtr<CefV8Context> GetV8Context() override { return context_.get(); }
  // The scripted engine keeps no document tree.
  void VisitDOM(CefRefPtr<CefDOMVisitor> visitor) override {}

 private:
  CefRefPtr<RendererBrowser> browser_;
  const int64 identifier_;
  const CefString name_;
  const int64 parent_identifier_;
  CefString url_;
  CefString source_;
  CefRefPtr<V8ContextImpl> context_;
  BoundedLog<ExecutedScript> scripts_;

  IMPLEMENT_REFCOUNTING(RendererFrame);
};

}  // namespace cef_internal
