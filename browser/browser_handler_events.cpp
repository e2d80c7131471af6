// The events a window acts on, passed on unchanged through its ICefBrowserHandler.
// The lock is held across each call, so the window cannot be detached (and freed)
// while it is being called; a detached window's events get the defaults.
#include "browser_handler.h"

bool CBrowserHandler::OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                    const CefString& target_url,
                                    const CefString& target_frame_name,
                                    CefLifeSpanHandler::WindowOpenDisposition target_disposition,
                                    bool user_gesture,
                                    const CefPopupFeatures& popupFeatures,
                                    CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client,
                                    CefBrowserSettings& settings, bool* no_javascript_access) {
  AutoLock lock_scope(this);
  if (!m_pEventHandler)
    return true;
  return m_pEventHandler->OnBeforePopup(browser, frame, target_url, target_frame_name,
                                        target_disposition, user_gesture, popupFeatures,
                                        windowInfo, client, settings, no_javascript_access);
}

void CBrowserHandler::OnAddressChange(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                      const CefString& url) {
  AutoLock lock_scope(this);
  if (m_pEventHandler)
    m_pEventHandler->OnAddressChange(browser, frame, url);
}

void CBrowserHandler::OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) {
  AutoLock lock_scope(this);
  if (m_pEventHandler)
    m_pEventHandler->OnTitleChange(browser, title);
}

void CBrowserHandler::OnLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                  TransitionType transition_type) {
  AutoLock lock_scope(this);
  if (m_pEventHandler)
    m_pEventHandler->OnLoadStart(browser, frame, transition_type);
}

void CBrowserHandler::OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                int httpStatusCode) {
  AutoLock lock_scope(this);
  if (m_pEventHandler)
    m_pEventHandler->OnLoadEnd(browser, frame, httpStatusCode);
}

bool CBrowserHandler::OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                               CefProcessId source_process,
                                               CefRefPtr<CefProcessMessage> message) {
  for (ProcessMessageDelegateSet::iterator it = m_messageDelegates.begin();
       it != m_messageDelegates.end(); ++it) {
    if ((*it)->OnProcessMessageReceived(this, browser, source_process, message))
      break;
  }
  AutoLock lock_scope(this);
  if (!m_pEventHandler)
    return false;
  return m_pEventHandler->OnProcessMessageReceived(browser, source_process, message);
}
