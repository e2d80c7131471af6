#include "main_wnd.h"

#include "app/app_config.h"
#include "browser/browser_wnd.h"
#include "browser/wnd_ui.h"
#include "products/product.h"

#include "browser_controls.h"
#include "shell_link.h"
#include "window_messages.h"

using namespace DuiLib;

bool g_bMainWndVisible = true;

DUI_BEGIN_MESSAGE_MAP(CMainWnd)
  DUI_ON_MSGTYPE(DUI_MSGTYPE_CLICK, CMainWnd::OnClick)
  DUI_ON_MSGTYPE(DUI_MSGTYPE_RETURN, CMainWnd::OnReturn)
DUI_END_MESSAGE_MAP()

CMainWnd::CMainWnd() : m_pBrowserWnd(NULL), m_pBrowserHost(NULL) {}

CMainWnd::~CMainWnd() {}

LPCTSTR CMainWnd::GetWindowClassName() const { return _T("Quellix_MainWnd"); }

CDuiString CMainWnd::GetSkinFile() { return _T("main.xml"); }

void CMainWnd::OnFinalMessage(HWND hWnd) {
  WindowImplBase::OnFinalMessage(hWnd);
  delete this;
}

void CMainWnd::InitWindow() {
  SetIcon(IDI_APP);
  ::RegisterHotKey(m_hWnd, IDHOT_BOSSKEY, MOD_ALT, 'Q');
  m_trayIcon.CreateTrayIcon(m_hWnd, IDI_APP, kProductName, 0);

  m_pBrowserWnd = new CBrowserWnd();
  m_pBrowserWnd->Setup(m_hWnd, AppConfig::GetInstance()->GetGameUrl().GetData(), this, true);
  m_pBrowserWnd->Create(m_hWnd, kProductName, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, NULL);

  m_pBrowserHost = dynamic_cast<CWndUI*>(m_PaintManager.FindControl(_T("browserwnd")));
  if (m_pBrowserHost) m_pBrowserHost->Attach(m_pBrowserWnd->GetHWND());
}

CControlUI* CMainWnd::CreateControl(LPCTSTR pstrClass) {
  return CreateBrowserControl(pstrClass);
}

void CMainWnd::OnClick(TNotifyUI& msg) {
  CDuiString name = msg.pSender->GetName();
  name.MakeLower();
  AppConfig* config = AppConfig::GetInstance();

  if (name.CompareNoCase(_T("closebtn")) == 0) {
    Close(0);
  } else if (name.CompareNoCase(_T("minbtn")) == 0) {
    SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
  } else if (name.CompareNoCase(_T("maxbtn")) == 0) {
    SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  } else if (name.CompareNoCase(_T("restorebtn")) == 0) {
    SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
  } else if (name.CompareNoCase(_T("hidebtn")) == 0) {
    ::ShowWindow(m_hWnd, SW_HIDE);
    g_bMainWndVisible = false;
  } else if (name.CompareNoCase(_T("menubtn")) == 0) {
    ShowSettingsMenu(msg.pSender);
  } else if (name.CompareNoCase(_T("homebtn")) == 0) {
    OpenLinkOrOverride(config->GetHomeLink());
  } else if (name.CompareNoCase(_T("paybtn")) == 0) {
    OpenLinkOrOverride(config->GetPayLink());
  } else if (name.CompareNoCase(_T("bbsbtn")) == 0) {
    OpenLinkOrOverride(config->GetForumLink());
  }
}

// Return on a control of the game window does nothing; the map entry keeps it from the
// library's default handling.
void CMainWnd::OnReturn(TNotifyUI& msg) {}

void CMainWnd::OpenLinkOrOverride(const CDuiString& link) {
  const CDuiString overrideLink = AppConfig::GetInstance()->GetOverrideLink();
  OpenWebAddress(overrideLink.IsEmpty() ? link.GetData() : overrideLink.GetData());
}

// The menu's top-left corner lies at the button's bottom-left corner.
void CMainWnd::ShowSettingsMenu(CControlUI* button) {
  HMENU menu = ::CreatePopupMenu();
  ::AppendMenuW(menu, MF_STRING, IDM_RELOAD, L"重新整理");
  ::AppendMenuW(menu, MF_STRING, IDM_CLEAR_CACHE, L"清除緩存");
  const RECT rc = button->GetPos();
  POINT pt = {rc.left, rc.bottom};
  ::ClientToScreen(m_hWnd, &pt);
  ::TrackPopupMenu(menu, TPM_RIGHTBUTTON, pt.x, pt.y, 0, m_hWnd, NULL);
  ::DestroyMenu(menu);
}

void CMainWnd::ShowTrayMenu() {
  HMENU menu = ::CreatePopupMenu();
  ::AppendMenuW(menu, MF_STRING, IDM_EXIT, L"退出");
  POINT pt = {0, 0};
  ::GetCursorPos(&pt);
  ::TrackPopupMenu(menu, TPM_RIGHTBUTTON, pt.x, pt.y - 20, 0, m_hWnd, NULL);
  ::DestroyMenu(menu);
}

// Hides a shown window, shows a hidden one as it was, and brings a minimised
// one back. The boss key's state is left alone.
void CMainWnd::ToggleFromTray() {
  const bool visible = ::IsWindowVisible(m_hWnd) != FALSE;
  ::ShowWindow(m_hWnd, visible ? SW_HIDE : SW_SHOW);
  if (visible && ::IsIconic(m_hWnd)) ::ShowWindow(m_hWnd, SW_RESTORE);
}

void CMainWnd::ToggleFromBossKey() {
  ::ShowWindow(m_hWnd, g_bMainWndVisible ? SW_HIDE : SW_SHOW);
  g_bMainWndVisible = !g_bMainWndVisible;
}

// The whole wParam is the command: a notification code in its high word makes
// it no command of ours.
void CMainWnd::OnCommand(WPARAM command) {
  switch (command) {
    case IDM_RELOAD:
      if (m_pBrowserWnd) m_pBrowserWnd->Reload(true);
      break;
    case IDM_CLEAR_CACHE:
      AppConfig::GetInstance()->ClearCache();
      break;
    case IDM_MAXIMIZE_BROWSER:
      if (m_pBrowserWnd) m_pBrowserWnd->Maximize(true);
      break;
    case IDM_EXIT:
      Close(0);
      break;
  }
}

LRESULT CMainWnd::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  switch (uMsg) {
    case WM_SHOWWINDOW:
    case WM_WINDOWPOSCHANGED:
      if (m_pBrowserHost) m_pBrowserHost->UpdateWindowPos();
      break;
    case WM_COMMAND:
      OnCommand(wParam);
      break;
    case WM_TRAY_NOTIFY:
      if (lParam == WM_LBUTTONUP) {
        ToggleFromTray();
      } else if (lParam == WM_RBUTTONUP) {
        ShowTrayMenu();
      }
      break;
    case WM_HOTKEY:
      ToggleFromBossKey();
      break;
  }
  return 0;
}

LRESULT CMainWnd::OnSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  const bool maximized = wParam == SIZE_MAXIMIZED;
  if (CControlUI* maxBtn = m_PaintManager.FindControl(_T("maxbtn"))) maxBtn->SetVisible(!maximized);
  if (CControlUI* restoreBtn = m_PaintManager.FindControl(_T("restorebtn")))
    restoreBtn->SetVisible(maximized);
  return 0;
}

// The close box, the system menu and Alt+F4 all go through the exit question.
LRESULT CMainWnd::OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  if ((wParam & 0xFFF0) == SC_CLOSE) {
    Close(0);
    bHandled = TRUE;
  }
  return 0;
}

// Leaving the game returns to the login window, whose start page reloads.
LRESULT CMainWnd::OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  if (::MessageBoxW(m_hWnd, kExitQuestion, kProductName, MB_YESNO) == IDYES) {
    bHandled = FALSE;
    const HWND loginWnd = AppConfig::GetInstance()->GetLoginWnd();
    ::PostMessageW(loginWnd, WM_LOGIN_RELOAD, 0, 0);
    ::ShowWindow(loginWnd, SW_SHOW);
  }
  return 0;
}
