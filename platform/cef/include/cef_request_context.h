// A request context: cookies and cache shared by the browsers created with it.
#pragma once

#include "include/cef_base.h"
#include "include/cef_cookie.h"
#include "include/cef_request_context_handler.h"

class CefRequestContext : public virtual CefBase {
 public:
  static CefRefPtr<CefRequestContext> GetGlobalContext();
  static CefRefPtr<CefRequestContext> CreateContext(CefRefPtr<CefRequestContextHandler> handler);

  virtual bool IsSame(CefRefPtr<CefRequestContext> other) = 0;
  virtual bool IsGlobal() = 0;
  virtual CefRefPtr<CefRequestContextHandler> GetHandler() = 0;
};
