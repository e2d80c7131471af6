#include "src/webkit/gtk/load_dispatch.h"

#include "src/browser/browser_registry.h"
#include "src/browser/client_handlers.h"
#include "src/webkit/bench_trace.h"

namespace cef_internal {

namespace {

void NotifyLoadingState(CefRefPtr<Browser> browser, bool loading) {
  browser->SetLoading(loading);
  if (CefRefPtr<CefLoadHandler> handler = HandlerOf(browser, &CefClient::GetLoadHandler))
    handler->OnLoadingStateChange(browser.get(), loading, browser->CanGoBack(), browser->CanGoForward());
}

}  // namespace

bool BeginLoad(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& url,
               cef_transition_type_t transition) {
  if (browser->IsClosed())
    return false;
  if (!browser->IsLoading())
    NotifyLoadingState(browser, true);
  const CefString previous_url = frame->GetURL();
  frame->SetURL(url);
  browser->SetLoadUnderWay(true);
  BenchTrace("load-start");
  if (CefRefPtr<CefLoadHandler> handler = HandlerOf(browser, &CefClient::GetLoadHandler))
    handler->OnLoadStart(browser.get(), frame.get(), transition);
  browser->SetLoadUnderWay(false);
  if (!browser->TakeStopRequest())
    return true;
  frame->SetURL(previous_url);
  EndLoadWithError(browser, frame, url, ERR_ABORTED, "net::ERR_ABORTED");
  return false;
}

void CommitLoad(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& url,
                const Browser::History& history) {
  if (browser->IsClosed())
    return;
  frame->Commit(url);
  if (frame->IsMain())
    browser->SetHistory(history);
  BrowserRegistry::Get().NotifyChanged();
  if (!frame->IsMain())
    return;
  if (CefRefPtr<CefDisplayHandler> display = HandlerOf(browser, &CefClient::GetDisplayHandler))
    display->OnAddressChange(browser.get(), frame.get(), url);
}

void ReportFrameDocument(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& url) {
  if (browser->IsClosed())
    return;
  CefRefPtr<CefLoadHandler> handler = HandlerOf(browser, &CefClient::GetLoadHandler);
  frame->SetURL(url);
  if (handler)
    handler->OnLoadStart(browser.get(), frame.get(), TT_AUTO_SUBFRAME);
  frame->Commit(url);
  BrowserRegistry::Get().NotifyChanged();
  if (handler)
    handler->OnLoadEnd(browser.get(), frame.get(), 200);
}

void EndLoad(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, int http_status) {
  if (browser->IsClosed())
    return;
  if (CefRefPtr<CefLoadHandler> handler = HandlerOf(browser, &CefClient::GetLoadHandler))
    handler->OnLoadEnd(browser.get(), frame.get(), http_status);
  NotifyLoadingState(browser, false);
  BrowserRegistry::Get().NotifyChanged();
}

void EndLoadWithError(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& url,
                      cef_errorcode_t error, const CefString& error_text) {
  if (browser->IsClosed())
    return;
  if (CefRefPtr<CefLoadHandler> handler = HandlerOf(browser, &CefClient::GetLoadHandler))
    handler->OnLoadError(browser.get(), frame.get(), error, error_text, url);
  NotifyLoadingState(browser, false);
  BrowserRegistry::Get().NotifyChanged();
}

}  // namespace cef_internal
