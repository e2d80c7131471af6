#include "cef_browser_handler_interface.h"

bool ICefBrowserHandler::OnBeforePopup(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>,
                                       const CefString&, const CefString&,
                                       CefLifeSpanHandler::WindowOpenDisposition, bool,
                                       const CefPopupFeatures&, CefWindowInfo&,
                                       CefRefPtr<CefClient>&, CefBrowserSettings&, bool*) {
  return true;
}

void ICefBrowserHandler::OnAddressChange(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>,
                                         const CefString&) {}

void ICefBrowserHandler::OnTitleChange(CefRefPtr<CefBrowser>, const CefString&) {}

void ICefBrowserHandler::OnFaviconURLChange(CefRefPtr<CefBrowser>,
                                            const std::vector<CefString>&) {}

void ICefBrowserHandler::OnFullscreenModeChange(CefRefPtr<CefBrowser>, bool) {}

bool ICefBrowserHandler::OnTooltip(CefRefPtr<CefBrowser>, CefString&) { return false; }

void ICefBrowserHandler::OnStatusMessage(CefRefPtr<CefBrowser>, const CefString&) {}

bool ICefBrowserHandler::OnConsoleMessage(CefRefPtr<CefBrowser>, const CefString&,
                                          const CefString&, int) {
  return false;
}

void ICefBrowserHandler::OnLoadStart(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>,
                                     CefLoadHandler::TransitionType) {}

void ICefBrowserHandler::OnLoadEnd(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, int) {}

bool ICefBrowserHandler::OnProcessMessageReceived(CefRefPtr<CefBrowser>, CefProcessId,
                                                  CefRefPtr<CefProcessMessage>) {
  return false;
}
