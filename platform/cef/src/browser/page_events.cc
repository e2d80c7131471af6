#include "src/browser/page_events.h"

#include "src/browser/browser_registry.h"
#include "src/browser/client_handlers.h"

namespace cef_internal {

void ChangeTitle(CefRefPtr<Browser> browser, const CefString& title) {
  if (CefRefPtr<CefDisplayHandler> handler = HandlerOf(browser, &CefClient::GetDisplayHandler))
    handler->OnTitleChange(browser.get(), title);
}

void ChangeAddress(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& url) {
  if (!frame || browser->IsClosed())
    return;
  frame->Commit(url);
  BrowserRegistry::Get().NotifyChanged();
  if (!frame->IsMain())
    return;
  if (CefRefPtr<CefDisplayHandler> handler = HandlerOf(browser, &CefClient::GetDisplayHandler))
    handler->OnAddressChange(browser.get(), frame.get(), url);
}

bool AskProtocolExecution(CefRefPtr<Browser> browser, const CefString& url, bool allow) {
  if (CefRefPtr<CefRequestHandler> handler = HandlerOf(browser, &CefClient::GetRequestHandler))
    handler->OnProtocolExecution(browser.get(), url, allow);
  return allow;
}

void TerminateRenderer(CefRefPtr<Browser> browser, cef_termination_status_t status) {
  if (CefRefPtr<CefRequestHandler> handler = HandlerOf(browser, &CefClient::GetRequestHandler))
    handler->OnRenderProcessTerminated(browser.get(), status);
}

// The popup gets the opener's client and a popup window unless the client
// changes them.
PopupOutcome AskPopup(CefRefPtr<Browser> browser, const PopupRequest& request) {
  PopupOutcome outcome;
  outcome.client = browser->GetClient();
  outcome.window_info.SetAsPopup(browser->GetWindowHandle(), request.target_frame_name);
  CefRefPtr<CefLifeSpanHandler> handler = HandlerOf(browser, &CefClient::GetLifeSpanHandler);
  if (handler) {
    outcome.asked = true;
    CefRefPtr<Frame> frame = browser->FrameNamed(request.frame_name);
    outcome.suppressed = handler->OnBeforePopup(browser.get(), frame.get(), request.target_url,
                                                request.target_frame_name, request.disposition, request.user_gesture,
                                                request.features, outcome.window_info, outcome.client,
                                                outcome.settings, &outcome.no_javascript_access);
  }
  outcome.would_open = !outcome.suppressed;
  return outcome;
}

}  // namespace cef_internal
