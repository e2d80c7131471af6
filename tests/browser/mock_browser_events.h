// A window's side of the browser events, as a mock: the six operations the client forwards.
#pragma once

#include <gmock/gmock.h>

#include "browser/cef_browser_handler_interface.h"
#include "cef/testing/engine.h"

class MockBrowserEvents : public ICefBrowserHandler {
 public:
  MOCK_METHOD(bool, OnBeforePopup,
              (CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, const CefString&, const CefString&,
               CefLifeSpanHandler::WindowOpenDisposition, bool, const CefPopupFeatures&,
               CefWindowInfo&, CefRefPtr<CefClient>&, CefBrowserSettings&, bool*),
              (override));
  MOCK_METHOD(void, OnAddressChange, (CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, const CefString&),
              (override));
  MOCK_METHOD(void, OnTitleChange, (CefRefPtr<CefBrowser>, const CefString&), (override));
  MOCK_METHOD(void, OnLoadStart,
              (CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, CefLoadHandler::TransitionType),
              (override));
  MOCK_METHOD(void, OnLoadEnd, (CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, int), (override));
  MOCK_METHOD(bool, OnProcessMessageReceived,
              (CefRefPtr<CefBrowser>, CefProcessId, CefRefPtr<CefProcessMessage>), (override));
};

MATCHER_P(IsBrowser, browser, "") { return arg.get() != NULL && arg->IsSame(browser); }
MATCHER(IsMainFrame, "") { return arg.get() != NULL && arg->IsMain(); }
