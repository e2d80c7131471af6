// Geolocation permission requests. Called on the UI thread.
#pragma once

#include "include/cef_base.h"
#include "include/cef_browser.h"

class CefGeolocationCallback : public virtual CefBase {
 public:
  virtual void Continue(bool allow) = 0;
};

class CefGeolocationHandler : public virtual CefBase {
 public:
  // Return true and answer through |callback| (now or later); false denies.
  virtual bool OnRequestGeolocationPermission(CefRefPtr<CefBrowser> browser, const CefString& requesting_url,
                                              int request_id, CefRefPtr<CefGeolocationCallback> callback) {
    return false;
  }
  virtual void OnCancelGeolocationPermission(CefRefPtr<CefBrowser> browser, const CefString& requesting_url,
                                             int request_id) {}
};
