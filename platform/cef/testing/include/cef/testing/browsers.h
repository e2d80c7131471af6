// Test access to the browsers of the process and to what their clients did.
#pragma once

#include <functional>
#include <vector>

#include "cef/testing/engine.h"
#include "include/cef_browser.h"
#include "src/browser/browser_activity.h"

namespace cef::testing {

// Long enough for any honest wait; only a hung engine reaches it.
const int kWaitMs = 10000;

// Open browsers (closed ones leave after their OnBeforeClose), oldest first.
std::vector<CefRefPtr<CefBrowser>> Browsers();

// Each waits (up to kWaitMs) for a matching browser, then for the UI thread
// to finish what it was doing (its OnAfterCreated and first load included).
// NULL when none came.
CefRefPtr<CefBrowser> WaitForBrowser();
CefRefPtr<CefBrowser> WaitForBrowserOfParent(HWND parent);
// The URL given to CreateBrowser or the main frame's current one.
CefRefPtr<CefBrowser> WaitForBrowserWithUrl(const CefString& url);
// Waits until |browser| has had its OnBeforeClose; false if it did not come.
bool WaitForBrowserClosed(CefRefPtr<CefBrowser> browser);

// What the client did to |browser|, recorded at the moment of each call.
using BrowserActivity = cef_internal::BrowserActivity;
BrowserActivity ActivityOf(CefRefPtr<CefBrowser> browser);

// The URL given to CreateBrowser.
CefString RequestedUrl(CefRefPtr<CefBrowser> browser);
// Every URL the frame committed, in order ("" names the main frame).
std::vector<CefString> FrameHistory(CefRefPtr<CefBrowser> browser, const CefString& frame_name);
// The main frame's back/forward list and the current entry (-1 before any load).
std::vector<CefString> HistoryEntries(CefRefPtr<CefBrowser> browser, int* current);

}  // namespace cef::testing
