// CefBrowserHost::CreateBrowser and CreateBrowserSync.
#include "include/wrapper/cef_closure_task.h"
#include "src/browser/browser_registry.h"
#include "src/browser/browser_window.h"
#include "src/browser/client_handlers.h"
#include "src/browser/navigation.h"
#include "src/process/renderer_host_hooks.h"
#include "src/webkit/engine_backend.h"

namespace cef_internal {

namespace {

// UI thread. The window first, then OnAfterCreated, then the first load.
CefRefPtr<Browser> CreateOnUiThread(const CefWindowInfo& window_info, CefRefPtr<CefClient> client,
                                    const CefString& url, CefRefPtr<CefRequestContext> request_context) {
  CefRefPtr<Browser> browser =
      new Browser(BrowserRegistry::Get().NextIdentifier(), client, request_context, window_info, url);
  if (!window_info.windowless_rendering_enabled && !CreateBrowserWindow(window_info, browser)) {
    browser->ReleaseAfterClose();
    return NULL;
  }
  BrowserRegistry::Get().Add(browser);
  NotifyRendererBrowserCreated(browser->GetIdentifier());
  if (CefRefPtr<CefLifeSpanHandler> handler = HandlerOf(browser, &CefClient::GetLifeSpanHandler))
    handler->OnAfterCreated(browser.get());
  if (EngineBackend* backend = InstalledEngineBackend()) {
    if (!browser->IsClosed())
      backend->Attach(browser, url);
    return browser;
  }
  if (!url.empty() && !LoadsHeld() && !browser->IsClosed()) {
    Load load;
    load.url = url;
    RunLoad(browser, browser->MainFrame(), load);
  }
  return browser;
}

void CreateTask(CefWindowInfo window_info, CefRefPtr<CefClient> client, CefString url,
                CefRefPtr<CefRequestContext> request_context) {
  CreateOnUiThread(window_info, client, url, request_context);
}

}  // namespace

}  // namespace cef_internal

bool CefBrowserHost::CreateBrowser(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefString& url,
                                   const CefBrowserSettings& settings, CefRefPtr<CefRequestContext> request_context) {
  return CefPostTask(TID_UI, base::Bind(&cef_internal::CreateTask, windowInfo, client, url, request_context));
}

CefRefPtr<CefBrowser> CefBrowserHost::CreateBrowserSync(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client,
                                                        const CefString& url, const CefBrowserSettings& settings,
                                                        CefRefPtr<CefRequestContext> request_context) {
  if (!CefCurrentlyOn(TID_UI))
    return NULL;
  return cef_internal::CreateOnUiThread(windowInfo, client, url, request_context).get();
}
