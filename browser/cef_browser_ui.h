// CCefBrowserUI: the skin control ("CefBrowser") that owns one embedded browser and
// keeps the browser's child window over its own rectangle.
#pragma once

#include <windows.h>

#include "UIlib.h"
#include "include/cef_browser.h"

#include "browser_handler.h"
#include "cef_browser_handler_interface.h"

class CCefBrowserUI : public DuiLib::CControlUI, public DuiLib::IMessageFilterUI {
 public:
  CCefBrowserUI();
  ~CCefBrowserUI() override;

  LPCTSTR GetClass() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  void SetPos(RECT rc, bool bNeedInvalidate = true) override;
  // Show or hide only the browser's window; the control's own visibility stays.
  void SetVisible(bool bVisible = true) override;
  void SetInternVisible(bool bVisible = true) override;

  // Pre-message filter: lets the engine see help and context-menu requests.
  LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

  void SetURL(LPCTSTR pstrURL);
  // The browser arrives later, asynchronously, through SetBrowser.
  bool CreateBrowser(ICefBrowserHandler* pEventHandler);
  // Called by the client object on the engine's browser thread, under its lock.
  void SetBrowser(CefRefPtr<CefBrowser> browser);

  CefRefPtr<CefBrowser> GetBrowser();
  CefRefPtr<CefFrame> GetMainFrame();
  void LoadURL(const CefString& url);
  void GoBack();
  void GoForward();
  void Reload();
  void ReloadIgnoreCache();
  void CloseBrowser();

 private:
  CCefBrowserUI(const CCefBrowserUI&);
  CCefBrowserUI& operator=(const CCefBrowserUI&);

  HWND GetBrowserWindow() const;
  void ShowBrowserWindow(bool bShow);
  // On the control's own thread: keep the browser, show or hide it, lay out again.
  void AdoptBrowser(CefRefPtr<CefBrowser> browser);
  void AdoptPendingBrowser();

  CefRefPtr<CefBrowser> m_browser;
  CefRefPtr<CBrowserHandler> m_handler;
  DuiLib::CDuiString m_sURL;

  // A browser created for a control of another thread waits here until the
  // control's thread picks it up; only this slot is shared between the threads.
  CRITICAL_SECTION m_pendingLock;
  CefRefPtr<CefBrowser> m_pendingBrowser;
};
