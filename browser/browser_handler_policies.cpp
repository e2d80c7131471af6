// The page events the client settles itself; no window can change these answers.
#include "browser_handler.h"

#include "load_error_page.h"

namespace {

const int IDM_CONTEXT_REFRESH = MENU_ID_USER_FIRST;
const char kOsProtocolPrefix[] = "spotify:";

}  // namespace

void CBrowserHandler::OnBeforeContextMenu(CefRefPtr<CefBrowser> browser,
                                          CefRefPtr<CefFrame> frame,
                                          CefRefPtr<CefContextMenuParams> params,
                                          CefRefPtr<CefMenuModel> model) {
  if (model->IsVisible(MENU_ID_PRINT))
    model->Remove(MENU_ID_PRINT);
  if (model->IsVisible(MENU_ID_VIEW_SOURCE))
    model->Remove(MENU_ID_VIEW_SOURCE);
  model->AddItem(IDM_CONTEXT_REFRESH, L"刷新(&R)");
}

bool CBrowserHandler::OnContextMenuCommand(CefRefPtr<CefBrowser> browser,
                                           CefRefPtr<CefFrame> frame,
                                           CefRefPtr<CefContextMenuParams> params,
                                           int command_id, EventFlags event_flags) {
  if (command_id != IDM_CONTEXT_REFRESH)
    return false;
  browser->Reload();
  return true;
}

void CBrowserHandler::OnBeforeDownload(CefRefPtr<CefBrowser> browser,
                                       CefRefPtr<CefDownloadItem> download_item,
                                       const CefString& suggested_name,
                                       CefRefPtr<CefBeforeDownloadCallback> callback) {
  callback->Continue(CefString(), true);
}

// Blocks the calling engine thread until the player closes the box.
void CBrowserHandler::OnDownloadUpdated(CefRefPtr<CefBrowser> browser,
                                        CefRefPtr<CefDownloadItem> download_item,
                                        CefRefPtr<CefDownloadItemCallback> callback) {
  if (!download_item->IsComplete())
    return;
  std::wstring path = download_item->GetFullPath().ToWString();
  MessageBoxW(m_hOwnerWnd, path.c_str(), L"下载完成", MB_OKCANCEL);
}

bool CBrowserHandler::OnRequestGeolocationPermission(CefRefPtr<CefBrowser> browser,
                                                     const CefString& requesting_url,
                                                     int request_id,
                                                     CefRefPtr<CefGeolocationCallback> callback) {
  callback->Continue(true);
  return true;
}

bool CBrowserHandler::OnPreKeyEvent(CefRefPtr<CefBrowser> browser, const CefKeyEvent& event,
                                    CefEventHandle os_event, bool* is_keyboard_shortcut) {
  return false;
}

void CBrowserHandler::OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                  ErrorCode errorCode, const CefString& errorText,
                                  const CefString& failedUrl) {
  if (errorCode == ERR_ABORTED)
    return;
  std::string page = BuildLoadErrorPage(failedUrl.ToString(), errorText.ToString(), errorCode);
  frame->LoadString(page, failedUrl);
}

CBrowserHandler::ReturnValue CBrowserHandler::OnBeforeResourceLoad(
    CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
    CefRefPtr<CefRequestCallback> callback) {
  return RV_CONTINUE;
}

CefRefPtr<CefResourceHandler> CBrowserHandler::GetResourceHandler(CefRefPtr<CefBrowser> browser,
                                                                  CefRefPtr<CefFrame> frame,
                                                                  CefRefPtr<CefRequest> request) {
  CefRefPtr<CefResourceHandler> handler;
  for (RequestDelegateSet::iterator it = m_requestDelegates.begin();
       it != m_requestDelegates.end() && !handler.get(); ++it) {
    handler = (*it)->GetResourceHandler(this, browser, frame, request);
  }
  return handler;
}

void CBrowserHandler::OnProtocolExecution(CefRefPtr<CefBrowser> browser, const CefString& url,
                                          bool& allow_os_execution) {
  if (url.ToString().compare(0, sizeof(kOsProtocolPrefix) - 1, kOsProtocolPrefix) == 0)
    allow_os_execution = true;
}

void CBrowserHandler::OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser,
                                                TerminationStatus status) {}

CefRefPtr<CefCookieManager> CBrowserHandler::GetCookieManager() {
  if (!m_cookieManager.get())
    m_cookieManager = CefCookieManager::CreateManager("CefCookie", false, NULL);
  return m_cookieManager;
}
