// Cookie storage.
#pragma once

#include <vector>

#include "include/cef_base.h"
#include "include/cef_callback.h"

class CefCookieManager : public virtual CefBase {
 public:
  static CefRefPtr<CefCookieManager> GetGlobalManager(CefRefPtr<CefCompletionCallback> callback);
  // A manager keeping its cookies under |path| (in memory when empty).
  // |callback|, if any, runs on the UI thread once the store is ready.
  static CefRefPtr<CefCookieManager> CreateManager(const CefString& path, bool persist_session_cookies,
                                                   CefRefPtr<CefCompletionCallback> callback);

  virtual void SetSupportedSchemes(const std::vector<CefString>& schemes,
                                   CefRefPtr<CefCompletionCallback> callback) = 0;
  virtual bool SetStoragePath(const CefString& path, bool persist_session_cookies,
                              CefRefPtr<CefCompletionCallback> callback) = 0;
  virtual bool FlushStore(CefRefPtr<CefCompletionCallback> callback) = 0;
};
