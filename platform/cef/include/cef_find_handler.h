// Results of CefBrowserHost::Find. Called on the UI thread.
#pragma once

#include "include/cef_base.h"
#include "include/cef_browser.h"

class CefFindHandler : public virtual CefBase {
 public:
  virtual void OnFindResult(CefRefPtr<CefBrowser> browser, int identifier, int count, const CefRect& selectionRect,
                            int activeMatchOrdinal, bool finalUpdate) {}
};
