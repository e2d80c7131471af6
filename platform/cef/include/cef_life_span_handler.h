// Browser life span. Called on the UI thread.
#pragma once

#include "include/cef_base.h"
#include "include/cef_browser.h"

class CefClient;

class CefLifeSpanHandler : public virtual CefBase {
 public:
  typedef cef_window_open_disposition_t WindowOpenDisposition;

  // Called on the IO thread before a popup opens. |windowInfo|, |client|,
  // |settings| and |no_javascript_access| may be changed. Return true to cancel.
  virtual bool OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& target_url,
                             const CefString& target_frame_name, WindowOpenDisposition target_disposition,
                             bool user_gesture, const CefPopupFeatures& popupFeatures, CefWindowInfo& windowInfo,
                             CefRefPtr<CefClient>& client, CefBrowserSettings& settings,
                             bool* no_javascript_access) {
    return false;
  }
  virtual void OnAfterCreated(CefRefPtr<CefBrowser> browser) {}
  virtual bool RunModal(CefRefPtr<CefBrowser> browser) { return false; }
  // Return true to keep the window (the client then destroys it itself).
  virtual bool DoClose(CefRefPtr<CefBrowser> browser) { return false; }
  // The last call for |browser|; drop every reference to it here.
  virtual void OnBeforeClose(CefRefPtr<CefBrowser> browser) {}
};
