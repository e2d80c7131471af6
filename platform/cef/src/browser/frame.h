// A frame of a browser in the browser process. The frame holds its browser;
// the browser lets go of its frames when it closes.
#pragma once

#include <mutex>
#include <vector>

#include "include/cef_frame.h"

namespace cef_internal {

class Browser;

class Frame : public CefFrame {
 public:
  Frame(Browser* browser, int64 identifier, const CefString& name, CefRefPtr<Frame> parent);
  ~Frame() override;

  // Engine side, any thread. SetURL changes what GetURL gives; Commit also
  // adds the URL to the frame's history.
  void SetURL(const CefString& url);
  void Commit(const CefString& url);
  std::vector<CefString> History();
  void Invalidate();

  bool IsValid() override;
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
  void LoadString(const CefString& string_val, const CefString& url) override;
  void ExecuteJavaScript(const CefString& code, const CefString& script_url, int start_line) override;
  bool IsMain() override { return !parent_; }
  bool IsFocused() override;
  CefString GetName() override { return name_; }
  int64 GetIdentifier() override { return identifier_; }
  CefRefPtr<CefFrame> GetParent() override { return parent_.get(); }
  CefString GetURL() override;
  CefRefPtr<CefBrowser> GetBrowser() override;
  CefRefPtr<CefV8Context> GetV8Context() override;
  void VisitDOM(CefRefPtr<CefDOMVisitor> visitor) override {}

 private:
  const CefRefPtr<Browser> browser_;
  const int64 identifier_;
  const CefString name_;
  const CefRefPtr<Frame> parent_;

  std::mutex lock_;
  bool valid_ = true;
  CefString url_;
  CefString text_;  // the document given by LoadString, if any
  std::vector<CefString> history_;

  IMPLEMENT_REFCOUNTING(Frame);
};

}  // namespace cef_internal
