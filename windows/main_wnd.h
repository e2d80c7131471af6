#pragma once

#include "UIlib.h"

#include "browser/cef_browser_handler_interface.h"

#include <string>
#include <vector>

class CBrowserWnd;
class CWndUI;

// Whether the boss key last left the game window shown. Shared by every game
// window of the process; used only on the engine's browser thread.
extern bool g_bMainWndVisible;

// The game window: a skinned title bar over the game page, with a settings
// menu, a tray icon, the boss key (Alt+Q) and a question before leaving.
// Created by the login window's hand-over on the engine's browser thread, it
// lives there with its browser window, tray icon and hot key. Closing it
// returns to the login window; the program goes on.
class CMainWnd : public DuiLib::WindowImplBase, public ICefBrowserHandler {
 public:
  CMainWnd();

  LPCTSTR GetWindowClassName() const override;
  void OnFinalMessage(HWND hWnd) override;
  void InitWindow() override;
  void OnClick(DuiLib::TNotifyUI& msg) override;
  DuiLib::CDuiString GetSkinFile() override;
  LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT OnSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
  DuiLib::CControlUI* CreateControl(LPCTSTR pstrClass) override;
  virtual void OnReturn(DuiLib::TNotifyUI& msg);

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

  // Runs a page command; no command is defined yet, so pages' commands only
  // stop their navigation.
  void DispatchAppCommand(std::wstring command, std::vector<std::wstring> arguments);

  DUI_DECLARE_MESSAGE_MAP()

 private:
  ~CMainWnd();

  void ShowSettingsMenu(DuiLib::CControlUI* button);
  void ShowTrayMenu();
  void ToggleFromTray();
  void ToggleFromBossKey();
  void OnCommand(WPARAM command);
  void OpenLinkOrOverride(const DuiLib::CDuiString& link);

  CBrowserWnd* m_pBrowserWnd;  // owned popup of this window; deletes itself
  CWndUI* m_pBrowserHost;      // belongs to the control tree
  DuiLib::CTrayIcon m_trayIcon;
  DuiLib::CDuiString m_sTitle;
};
