#pragma once

#include "UIlib.h"

#include "browser/cef_browser_handler_interface.h"

class CBrowserWnd;
class CWndUI;

// The first window: the start page over a picture. When the page reaches the
// game ("client=1" in an address) it hides and opens the game window.
// Its messages run on the main thread; its page events arrive on the
// engine's browser thread, so the game window is created there.
class CLoginWnd : public DuiLib::WindowImplBase, public ICefBrowserHandler {
 public:
  CLoginWnd();

  LPCTSTR GetWindowClassName() const override;
  void OnFinalMessage(HWND hWnd) override;
  void InitWindow() override;
  void OnClick(DuiLib::TNotifyUI& msg) override;
  DuiLib::CDuiString GetSkinFile() override;
  LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  DuiLib::CControlUI* CreateControl(LPCTSTR pstrClass) override;

  // ICefBrowserHandler, on the engine's browser thread (popups on any engine thread).
  bool OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                     const CefString& target_url, const CefString& target_frame_name,
                     CefLifeSpanHandler::WindowOpenDisposition target_disposition,
                     bool user_gesture, const CefPopupFeatures& popupFeatures,
                     CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client,
                     CefBrowserSettings& settings, bool* no_javascript_access) override;
  void OnAddressChange(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                       const CefString& url) override;
  void OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) override;
  void OnLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                   CefLoadHandler::TransitionType transition_type) override;
  void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                 int httpStatusCode) override;
  bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser, CefProcessId source_process,
                                CefRefPtr<CefProcessMessage> message) override;

  // Hides this window and opens the game window, maximised, on the stored game address.
  void ShowMainWindow();

  DUI_DECLARE_MESSAGE_MAP()

 private:
  ~CLoginWnd();

  CBrowserWnd* m_pBrowserWnd;  // owned popup of this window; deletes itself
  CWndUI* m_pBrowserHost;      // belongs to the control tree
};
