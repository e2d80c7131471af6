// CBrowserWnd: a borderless popup window whose skin is one embedded browser. A
// launcher window owns it and keeps it over a skin area through a CWndUI.
#pragma once

#include <windows.h>

#include "UIlib.h"
#include "include/cef_browser.h"

#include "cef_browser_handler_interface.h"

class CCefBrowserUI;

class CBrowserWnd : public DuiLib::WindowImplBase, public ICefBrowserHandler {
 public:
  CBrowserWnd();

  // Before Create: creation starts the browser with this URL and receiver. With no
  // receiver the window receives its own browser's events.
  void Setup(HWND hOwnerWnd, LPCTSTR pstrURL, ICefBrowserHandler* pEventHandler,
             bool bCanMaximize);

  void Reload(bool bIgnoreCache);
  void Maximize(bool bMaximize);
  void CloseBrowser();
  CefRefPtr<CefBrowser> GetBrowser();
  void LoadURL(LPCTSTR pstrURL);
  HWND GetOwnerWnd() const;
  // Runs ClientCallJs(id[,text]) in the page; the formatted text is cut to 63 bytes.
  void ClientCallJs(int nId, const char* pszFormat, ...);

  // WindowImplBase
  LPCTSTR GetWindowClassName() const override;
  void OnFinalMessage(HWND hWnd) override;
  void InitWindow() override;
  DuiLib::CDuiString GetSkinFile() override;
  LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT OnGetMinMaxInfo(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  void Notify(DuiLib::TNotifyUI& msg) override;
  DuiLib::CControlUI* CreateControl(LPCTSTR pstrClass) override;

  // ICefBrowserHandler: only serves when the window is its own receiver.
  bool OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                     const CefString& target_url, const CefString& target_frame_name,
                     CefLifeSpanHandler::WindowOpenDisposition target_disposition,
                     bool user_gesture, const CefPopupFeatures& popupFeatures,
                     CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client,
                     CefBrowserSettings& settings, bool* no_javascript_access) override;
  void OnAddressChange(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                       const CefString& url) override;
  void OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) override;

 protected:
  ~CBrowserWnd() override;

 private:
  HWND m_hOwnerWnd;
  DuiLib::CDuiString m_sURL;
  ICefBrowserHandler* m_pEventHandler;
  bool m_bCanMaximize;
  CCefBrowserUI* m_pBrowserUI;
};
