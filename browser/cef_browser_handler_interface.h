// ICefBrowserHandler: how a browser's client object reports page events to the
// window that owns the browser. A window overrides only what it cares about.
#pragma once

#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "include/cef_frame.h"
#include "include/cef_life_span_handler.h"
#include "include/cef_load_handler.h"
#include "include/cef_process_message.h"

#include <vector>

// Every operation is called synchronously from inside an engine callback, on the
// engine thread that delivers it (the browser thread, except for popups), and its
// answer goes back to the engine before that callback returns.
class ICefBrowserHandler {
 public:
  // True suppresses the popup.
  virtual bool OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                             const CefString& target_url, const CefString& target_frame_name,
                             CefLifeSpanHandler::WindowOpenDisposition target_disposition,
                             bool user_gesture, const CefPopupFeatures& popupFeatures,
                             CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client,
                             CefBrowserSettings& settings, bool* no_javascript_access);
  virtual void OnAddressChange(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                               const CefString& url);
  virtual void OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title);
  // Operations 4 to 8 mirror the engine's display events; no event is routed to them.
  virtual void OnFaviconURLChange(CefRefPtr<CefBrowser> browser,
                                  const std::vector<CefString>& icon_urls);
  virtual void OnFullscreenModeChange(CefRefPtr<CefBrowser> browser, bool fullscreen);
  virtual bool OnTooltip(CefRefPtr<CefBrowser> browser, CefString& text);
  virtual void OnStatusMessage(CefRefPtr<CefBrowser> browser, const CefString& value);
  virtual bool OnConsoleMessage(CefRefPtr<CefBrowser> browser, const CefString& message,
                                const CefString& source, int line);
  virtual void OnLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                           CefLoadHandler::TransitionType transition_type);
  virtual void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                         int httpStatusCode);
  // True when the window handled the message.
  virtual bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                        CefProcessId source_process,
                                        CefRefPtr<CefProcessMessage> message);
};
