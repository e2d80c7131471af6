// The client's handlers for a browser, fetched when an event happens (NULL
// when the client has none, or the browser has closed).
#pragma once

#include "src/browser/browser.h"

namespace cef_internal {

template <typename Handler>
CefRefPtr<Handler> HandlerOf(CefRefPtr<Browser> browser, CefRefPtr<Handler> (CefClient::*getter)()) {
  CefRefPtr<CefClient> client = browser ? browser->GetClient() : NULL;
  if (!client)
    return NULL;
  return (client.get()->*getter)();
}

}  // namespace cef_internal
