// Focus moves of a browser. Called on the UI thread.
#pragma once

#include "include/cef_base.h"
#include "include/cef_browser.h"

class CefFocusHandler : public virtual CefBase {
 public:
  typedef cef_focus_source_t FocusSource;

  virtual void OnTakeFocus(CefRefPtr<CefBrowser> browser, bool next) {}
  // Return true to keep the focus where it is.
  virtual bool OnSetFocus(CefRefPtr<CefBrowser> browser, FocusSource source) { return false; }
  virtual void OnGotFocus(CefRefPtr<CefBrowser> browser) {}
};
