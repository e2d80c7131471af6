#include "src/browser/navigation.h"

#include <atomic>
#include <cstdlib>

#include "include/wrapper/cef_closure_task.h"
#include "src/browser/browser_registry.h"
#include "src/browser/client_handlers.h"
#include "src/process/renderer_host_hooks.h"

namespace cef_internal {

namespace {

std::atomic<bool> g_loads_held{false};

void NotifyLoadingState(CefRefPtr<Browser> browser, CefRefPtr<CefLoadHandler> handler, bool loading) {
  browser->SetLoading(loading);
  if (handler)
    handler->OnLoadingStateChange(browser.get(), loading, browser->CanGoBack(), browser->CanGoForward());
}

int NearestEntry(const Browser::History& history, const CefString& url) {
  int best = -1;
  for (int i = 0; i < static_cast<int>(history.entries.size()); ++i) {
    if (history.entries[i] == url && (best < 0 || std::abs(i - history.current) < std::abs(best - history.current)))
      best = i;
  }
  return best;
}

void CommitToHistory(CefRefPtr<Browser> browser, const Load& load) {
  Browser::History history = browser->GetHistory();
  const int count = static_cast<int>(history.entries.size());
  int index = load.history_index;
  if (index < 0 && (load.transition & TT_FORWARD_BACK_FLAG))
    index = NearestEntry(history, load.url);
  if (index >= 0 && index < count) {
    history.current = index;
  } else if ((load.transition & TT_SOURCE_MASK) == TT_RELOAD && history.current >= 0) {
    history.entries[history.current] = load.url;
  } else {
    history.entries.resize(history.current + 1);
    history.entries.push_back(load.url);
    history.current = static_cast<int>(history.entries.size()) - 1;
  }
  browser->SetHistory(history);
}

}  // namespace

bool RunLoad(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const Load& load) {
  if (browser->IsClosed())
    return false;
  CefRefPtr<CefLoadHandler> handler = HandlerOf(browser, &CefClient::GetLoadHandler);
  NotifyLoadingState(browser, handler, true);

  // The frame shows the new URL from OnLoadStart on; a stopped load puts the old one back.
  const CefString previous_url = frame->GetURL();
  frame->SetURL(load.url);
  browser->SetLoadUnderWay(true);
  if (handler)
    handler->OnLoadStart(browser.get(), frame.get(), load.transition);
  browser->SetLoadUnderWay(false);
  if (browser->TakeStopRequest()) {
    frame->SetURL(previous_url);
    if (handler)
      handler->OnLoadError(browser.get(), frame.get(), ERR_ABORTED, "net::ERR_ABORTED", load.url);
    NotifyLoadingState(browser, handler, false);
    return false;
  }

  frame->Commit(load.url);
  NotifyRendererDocument(browser->GetIdentifier(), frame->IsMain() ? CefString() : frame->GetName(), load.url);
  BrowserRegistry::Get().NotifyChanged();
  if (frame->IsMain()) {
    CommitToHistory(browser, load);
    if (CefRefPtr<CefDisplayHandler> display = HandlerOf(browser, &CefClient::GetDisplayHandler))
      display->OnAddressChange(browser.get(), frame.get(), load.url);
  }
  if (handler)
    handler->OnLoadEnd(browser.get(), frame.get(), load.http_status);
  NotifyLoadingState(browser, handler, false);
  return true;
}

void FailLoad(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& url, cef_errorcode_t error,
              const CefString& error_text) {
  if (browser->IsClosed())
    return;
  CefRefPtr<CefLoadHandler> handler = HandlerOf(browser, &CefClient::GetLoadHandler);
  NotifyLoadingState(browser, handler, true);
  if (handler)
    handler->OnLoadError(browser.get(), frame.get(), error, error_text, url);
  NotifyLoadingState(browser, handler, false);
}

void SetLoadsHeld(bool held) { g_loads_held = held; }

bool LoadsHeld() { return g_loads_held; }

namespace {
void RunScheduledLoad(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, Load load) {
  if (load.url.empty())
    load.url = frame->GetURL();
  RunLoad(browser, frame, load);
}
}  // namespace

void ScheduleLoad(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const Load& load) {
  if (!LoadsHeld())
    CefPostTask(TID_UI, base::Bind(&RunScheduledLoad, browser, frame, load));
}

}  // namespace cef_internal
