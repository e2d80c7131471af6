// Per-context callbacks of a request context.
#pragma once

#include "include/cef_base.h"
#include "include/cef_cookie.h"

class CefRequestContextHandler : public virtual CefBase {
 public:
  // Called on the IO thread; NULL means the global cookie manager.
  virtual CefRefPtr<CefCookieManager> GetCookieManager() { return NULL; }
};
