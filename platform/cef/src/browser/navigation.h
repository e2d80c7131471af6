// Page loads as the engine runs them on the UI thread, and whether client
// requests (LoadURL, Reload, GoBack...) run loads by themselves or wait for
// a test to drive them.
#pragma once

#include "src/browser/browser.h"

namespace cef_internal {

struct Load {
  CefString url;
  cef_transition_type_t transition = TT_EXPLICIT;
  int http_status = 200;
  // The main-frame history entry this load goes to; -1 for a new entry
  // (or, for a load marked forward/back, the nearest entry with its URL).
  int history_index = -1;
};

// UI thread. OnLoadingStateChange, OnLoadStart, OnAddressChange (main frame),
// OnLoadEnd, OnLoadingStateChange. A StopLoad from the client during
// OnLoadStart cancels the load: OnLoadError(ERR_ABORTED) instead of the rest.
// Returns false when cancelled or when the browser has closed.
bool RunLoad(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const Load& load);

// UI thread. OnLoadingStateChange, OnLoadError, OnLoadingStateChange.
void FailLoad(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& url, cef_errorcode_t error,
              const CefString& error_text);

// While held, client requests are only recorded and initial loads wait.
void SetLoadsHeld(bool held);
bool LoadsHeld();

// Runs |load| later on the UI thread, unless loads are held.
void ScheduleLoad(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const Load& load);

}  // namespace cef_internal
