// Cookie managers. The scripted engine keeps no cookies; it remembers which
// managers were asked for.
#pragma once

#include <vector>

#include "include/cef_cookie.h"

namespace cef_internal {

struct CookieManagerRequest {
  CefString path;
  bool persist_session_cookies;
};

// Every CreateManager call of the process, in order.
std::vector<CookieManagerRequest> CookieManagerRequests();

}  // namespace cef_internal
