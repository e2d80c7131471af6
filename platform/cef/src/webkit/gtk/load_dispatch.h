// A WebKit load as the browser model tells the client about it. WebKit
// reports a load in steps (the navigation is decided, the document commits,
// the load finishes or fails); each step here is one of them. UI thread.
#pragma once

#include <vector>

#include "src/browser/browser.h"

namespace cef_internal {

// OnLoadingStateChange (unless already loading) and OnLoadStart, with the
// frame showing |url|. A StopLoad from the client during OnLoadStart ends
// the load there: the frame's old address comes back, OnLoadError
// (ERR_ABORTED) and OnLoadingStateChange follow, and the result is false.
bool BeginLoad(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& url,
               cef_transition_type_t transition);

// The document at |url| committed. |history| is the main frame's history as
// WebKit keeps it; OnAddressChange follows for the main frame.
void CommitLoad(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& url,
                const Browser::History& history);

// An inline frame shows a new document (WebKit tells of it only once it has
// committed): OnLoadStart, then OnLoadEnd, the browser's loading state
// untouched. A StopLoad during OnLoadStart stops the browser's other loads.
void ReportFrameDocument(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& url);

// OnLoadEnd, then OnLoadingStateChange.
void EndLoad(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, int http_status);

// OnLoadError, then OnLoadingStateChange.
void EndLoadWithError(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& url,
                      cef_errorcode_t error, const CefString& error_text);

}  // namespace cef_internal
