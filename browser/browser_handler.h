// CBrowserHandler: the engine client of one embedded browser. It forwards the page
// events a window acts on to that window's ICefBrowserHandler and settles the rest
// itself. The process-wide table of live browsers lives beside it.
#pragma once

#include <windows.h>

#include <map>
#include <set>

#include "include/cef_client.h"
#include "include/cef_context_menu_handler.h"
#include "include/cef_cookie.h"
#include "include/cef_display_handler.h"
#include "include/cef_download_handler.h"
#include "include/cef_geolocation_handler.h"
#include "include/cef_jsdialog_handler.h"
#include "include/cef_keyboard_handler.h"
#include "include/cef_life_span_handler.h"
#include "include/cef_load_handler.h"
#include "include/cef_request_context_handler.h"
#include "include/cef_request_handler.h"

#include "cef_browser_handler_interface.h"

class CCefBrowserUI;

// Live browsers by identifier. Written only on the engine's browser thread.
typedef std::map<int, CefRefPtr<CefBrowser> > BrowserMap;
extern BrowserMap g_browserMap;

class CBrowserHandler : public CefClient,
                        public CefContextMenuHandler,
                        public CefDisplayHandler,
                        public CefDownloadHandler,
                        public CefGeolocationHandler,
                        public CefJSDialogHandler,
                        public CefKeyboardHandler,
                        public CefLifeSpanHandler,
                        public CefLoadHandler,
                        public CefRequestHandler,
                        public CefRequestContextHandler {
 public:
  // Asked before the window; the launcher registers none.
  class ProcessMessageDelegate : public virtual CefBase {
   public:
    virtual bool OnProcessMessageReceived(CefRefPtr<CBrowserHandler> handler,
                                          CefRefPtr<CefBrowser> browser,
                                          CefProcessId source_process,
                                          CefRefPtr<CefProcessMessage> message) = 0;
  };
  class RequestDelegate : public virtual CefBase {
   public:
    virtual CefRefPtr<CefResourceHandler> GetResourceHandler(CefRefPtr<CBrowserHandler> handler,
                                                             CefRefPtr<CefBrowser> browser,
                                                             CefRefPtr<CefFrame> frame,
                                                             CefRefPtr<CefRequest> request) = 0;
  };
  typedef std::set<CefRefPtr<ProcessMessageDelegate> > ProcessMessageDelegateSet;
  typedef std::set<CefRefPtr<RequestDelegate> > RequestDelegateSet;
  typedef std::set<CefRefPtr<CefBase> > OtherDelegateSet;

  class AutoLock {
   public:
    explicit AutoLock(CBrowserHandler* handler) : m_pHandler(handler) { m_pHandler->Lock(); }
    ~AutoLock() { m_pHandler->Unlock(); }

   private:
    AutoLock(const AutoLock&);
    AutoLock& operator=(const AutoLock&);
    CBrowserHandler* m_pHandler;
  };

  CBrowserHandler();

  // Both pointers are plain back-pointers, set before the browser is requested.
  void SetOwner(CCefBrowserUI* pOwnerUI, ICefBrowserHandler* pEventHandler);
  // Clears both back-pointers when the control or its window goes away before the
  // browser's close notice; later events get the defaults. Waits for an event that is
  // being forwarded on another thread, serving this thread's sent messages meanwhile.
  void DetachOwner();

  CefRefPtr<CefBrowser> GetBrowser();
  // Any thread; the browser's window is destroyed on the engine's browser thread.
  void CloseBrowser(bool force_close);

  void Lock();
  void Unlock();

  // CefClient
  CefRefPtr<CefContextMenuHandler> GetContextMenuHandler() override { return this; }
  CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }
  CefRefPtr<CefDownloadHandler> GetDownloadHandler() override { return this; }
  CefRefPtr<CefJSDialogHandler> GetJSDialogHandler() override { return this; }
  CefRefPtr<CefKeyboardHandler> GetKeyboardHandler() override { return this; }
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }
  CefRefPtr<CefRequestHandler> GetRequestHandler() override { return this; }
  bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser, CefProcessId source_process,
                                CefRefPtr<CefProcessMessage> message) override;

  // CefContextMenuHandler
  void OnBeforeContextMenu(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                           CefRefPtr<CefContextMenuParams> params,
                           CefRefPtr<CefMenuModel> model) override;
  bool OnContextMenuCommand(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                            CefRefPtr<CefContextMenuParams> params, int command_id,
                            EventFlags event_flags) override;

  // CefDisplayHandler
  void OnAddressChange(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                       const CefString& url) override;
  void OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) override;

  // CefDownloadHandler
  void OnBeforeDownload(CefRefPtr<CefBrowser> browser, CefRefPtr<CefDownloadItem> download_item,
                        const CefString& suggested_name,
                        CefRefPtr<CefBeforeDownloadCallback> callback) override;
  void OnDownloadUpdated(CefRefPtr<CefBrowser> browser, CefRefPtr<CefDownloadItem> download_item,
                         CefRefPtr<CefDownloadItemCallback> callback) override;

  // CefGeolocationHandler: unreachable, since GetGeolocationHandler hands out none.
  bool OnRequestGeolocationPermission(CefRefPtr<CefBrowser> browser,
                                      const CefString& requesting_url, int request_id,
                                      CefRefPtr<CefGeolocationCallback> callback) override;

  // CefKeyboardHandler
  bool OnPreKeyEvent(CefRefPtr<CefBrowser> browser, const CefKeyEvent& event,
                     CefEventHandle os_event, bool* is_keyboard_shortcut) override;

  // CefLifeSpanHandler
  bool OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                     const CefString& target_url, const CefString& target_frame_name,
                     CefLifeSpanHandler::WindowOpenDisposition target_disposition,
                     bool user_gesture,
                     const CefPopupFeatures& popupFeatures, CefWindowInfo& windowInfo,
                     CefRefPtr<CefClient>& client, CefBrowserSettings& settings,
                     bool* no_javascript_access) override;
  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;
  void OnBeforeClose(CefRefPtr<CefBrowser> browser) override;

  // CefLoadHandler
  void OnLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                   TransitionType transition_type) override;
  void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                 int httpStatusCode) override;
  void OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                   ErrorCode errorCode, const CefString& errorText,
                   const CefString& failedUrl) override;

  // CefRequestHandler
  ReturnValue OnBeforeResourceLoad(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                   CefRefPtr<CefRequest> request,
                                   CefRefPtr<CefRequestCallback> callback) override;
  CefRefPtr<CefResourceHandler> GetResourceHandler(CefRefPtr<CefBrowser> browser,
                                                   CefRefPtr<CefFrame> frame,
                                                   CefRefPtr<CefRequest> request) override;
  void OnProtocolExecution(CefRefPtr<CefBrowser> browser, const CefString& url,
                           bool& allow_os_execution) override;
  void OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser,
                                 TerminationStatus status) override;

  // CefRequestContextHandler: unreachable, no request context is made with it.
  CefRefPtr<CefCookieManager> GetCookieManager() override;

  // CefBase
  void AddRef() const override;
  bool Release() const override;
  bool HasOneRef() const override;

 protected:
  virtual ~CBrowserHandler();

 private:
  CBrowserHandler(const CBrowserHandler&);
  CBrowserHandler& operator=(const CBrowserHandler&);

  CefRefPtr<CefBrowser> m_browser;
  LONGLONG m_browserId;
  CCefBrowserUI* m_pOwnerUI;
  ICefBrowserHandler* m_pEventHandler;
  HWND m_hOwnerWnd;
  ProcessMessageDelegateSet m_messageDelegates;
  RequestDelegateSet m_requestDelegates;
  OtherDelegateSet m_otherDelegates;
  CefRefPtr<CefCookieManager> m_cookieManager;
  mutable volatile LONG m_refCount;
  CRITICAL_SECTION lock_;
};
