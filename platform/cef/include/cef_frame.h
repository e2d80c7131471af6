// A frame of a browser. Usable on any thread in the browser process; the
// page work itself happens on the engine's threads.
#pragma once

#include "include/cef_base.h"
#include "include/cef_request.h"

class CefBrowser;
class CefDOMVisitor;
class CefV8Context;

class CefStringVisitor : public virtual CefBase {
 public:
  virtual void Visit(const CefString& string) = 0;
};

class CefFrame : public virtual CefBase {
 public:
  // False once the frame's browser has closed or the frame is gone.
  virtual bool IsValid() = 0;
  virtual void Undo() = 0;
  virtual void Redo() = 0;
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  virtual void Paste() = 0;
  virtual void Delete() = 0;
  virtual void SelectAll() = 0;
  virtual void ViewSource() = 0;
  virtual void GetSource(CefRefPtr<CefStringVisitor> visitor) = 0;
  virtual void GetText(CefRefPtr<CefStringVisitor> visitor) = 0;
  virtual void LoadRequest(CefRefPtr<CefRequest> request) = 0;
  virtual void LoadURL(const CefString& url) = 0;
  // Shows |string_val| as the document of |url|.
  virtual void LoadString(const CefString& string_val, const CefString& url) = 0;
  virtual void ExecuteJavaScript(const CefString& code, const CefString& script_url, int start_line) = 0;
  virtual bool IsMain() = 0;
  virtual bool IsFocused() = 0;
  // Empty for the main frame.
  virtual CefString GetName() = 0;
  virtual int64 GetIdentifier() = 0;
  // NULL for the main frame.
  virtual CefRefPtr<CefFrame> GetParent() = 0;
  virtual CefString GetURL() = 0;
  virtual CefRefPtr<CefBrowser> GetBrowser() = 0;
  // Renderer process only, on the render thread.
  virtual CefRefPtr<CefV8Context> GetV8Context() = 0;
  // Renderer process only, on the render thread.
  virtual void VisitDOM(CefRefPtr<CefDOMVisitor> visitor) = 0;
};
