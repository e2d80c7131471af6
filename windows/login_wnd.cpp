#include "login_wnd.h"

#include "app/app_config.h"
#include "browser/browser_wnd.h"
#include "browser/wnd_ui.h"
#include "products/product.h"

#include "browser_controls.h"
#include "main_wnd.h"
#include "shell_link.h"
#include "window_messages.h"

using namespace DuiLib;

DUI_BEGIN_MESSAGE_MAP(CLoginWnd)
  DUI_ON_MSGTYPE(DUI_MSGTYPE_CLICK, CLoginWnd::OnClick)
DUI_END_MESSAGE_MAP()

CLoginWnd::CLoginWnd() : m_pBrowserWnd(NULL), m_pBrowserHost(NULL) {}

CLoginWnd::~CLoginWnd() {}

LPCTSTR CLoginWnd::GetWindowClassName() const { return _T("Quellix_LoginWnd"); }

CDuiString CLoginWnd::GetSkinFile() { return _T("login.xml"); }

void CLoginWnd::OnFinalMessage(HWND hWnd) {
  WindowImplBase::OnFinalMessage(hWnd);
  delete this;
}

void CLoginWnd::InitWindow() {
  SetIcon(IDI_APP);

  AppConfig* config = AppConfig::GetInstance();
  config->SetLoginWnd(m_hWnd);
  config->LoadLinkOverrides();

  // Found before the browser is asked for: its load end, on the engine's browser thread, reads
  // both pointers, and asking the engine is what orders these writes before that read.
  m_pBrowserHost = dynamic_cast<CWndUI*>(m_PaintManager.FindControl(_T("browserwnd")));

  // The browser window stays hidden until the first load end attaches it.
  m_pBrowserWnd = new CBrowserWnd();
  m_pBrowserWnd->Setup(m_hWnd, kStartPage, this, false);
  m_pBrowserWnd->Create(m_hWnd, kProductName, WS_POPUP, WS_EX_TOOLWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, NULL);
}

CControlUI* CLoginWnd::CreateControl(LPCTSTR pstrClass) {
  return CreateBrowserControl(pstrClass);
}

void CLoginWnd::OnClick(TNotifyUI& msg) {
  CDuiString name = msg.pSender->GetName();
  name.MakeLower();
  const CDuiString overrideLink = AppConfig::GetInstance()->GetOverrideLink();

  if (name.CompareNoCase(_T("closebtn")) == 0) {
    Close(0);
  } else if (name.CompareNoCase(_T("minbtn")) == 0) {
    SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
  } else if (name.CompareNoCase(_T("frame_closebtn")) == 0) {
    Close(0);
  } else if (name.CompareNoCase(_T("frame_minbtn")) == 0) {
    AppConfig::GetInstance()->ClearCache();
    SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
  } else if (name.CompareNoCase(_T("frame_homebtn")) == 0) {
    OpenWebAddress(AppConfig::GetInstance()->GetHomeLink().GetData());
  } else if (name.CompareNoCase(_T("frame_paybtn")) == 0 ||
             name.CompareNoCase(_T("frame_bbsbtn")) == 0 ||
             name.CompareNoCase(_T("frame_servicebtn")) == 0) {
    OpenWebAddress(overrideLink.GetData());
  }
}

LRESULT CLoginWnd::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam,
                                       BOOL& bHandled) {
  bHandled = FALSE;
  if (uMsg == WM_SHOWWINDOW || uMsg == WM_WINDOWPOSCHANGED) {
    if (m_pBrowserHost) m_pBrowserHost->UpdateWindowPos();
  } else if (uMsg == WM_LOGIN_RELOAD) {
    if (m_pBrowserWnd) m_pBrowserWnd->Reload(false);
  } else if (uMsg == WM_LOGIN_ATTACH_BROWSER) {
    if (m_pBrowserHost && m_pBrowserWnd) m_pBrowserHost->Attach(m_pBrowserWnd->GetHWND());
  }
  return 0;
}

LRESULT CLoginWnd::OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  if ((wParam & 0xFFF0) == SC_CLOSE) {
    Close(0);
    bHandled = TRUE;
  }
  return 0;
}

LRESULT CLoginWnd::OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  if (::MessageBoxW(m_hWnd, kExitQuestion, kProductName, MB_YESNO) == IDYES) bHandled = FALSE;
  return 0;
}

LRESULT CLoginWnd::OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  ::PostQuitMessage(0);
  return 0;
}

void CLoginWnd::ShowMainWindow() {
  ::ShowWindow(m_hWnd, SW_HIDE);
  CMainWnd* mainWnd = new CMainWnd();
  mainWnd->Create(NULL, kProductName, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 0, 800, 572,
                  NULL);
  mainWnd->CenterWindow();
  ::ShowWindow(mainWnd->GetHWND(), SW_SHOWMAXIMIZED);
}

bool CLoginWnd::OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                              const CefString& target_url, const CefString& target_frame_name,
                              CefLifeSpanHandler::WindowOpenDisposition target_disposition,
                              bool user_gesture, const CefPopupFeatures& popupFeatures,
                              CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client,
                              CefBrowserSettings& settings, bool* no_javascript_access) {
  OpenWebAddress(target_url.ToWString());
  return true;
}

void CLoginWnd::OnAddressChange(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                const CefString& url) {}

void CLoginWnd::OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) {}

// The start page hands over to the game by navigating, in any frame, to an
// address carrying "client=1". Every such navigation opens a game window.
void CLoginWnd::OnLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                            CefLoadHandler::TransitionType transition_type) {
  const std::wstring url = frame->GetURL().ToWString();
  if (url.find(L"client=1") == std::wstring::npos) return;
  browser->StopLoad();
  browser->GoBack();
  AppConfig::GetInstance()->SetGameUrl(url.c_str());
  ShowMainWindow();
}

void CLoginWnd::OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                          int httpStatusCode) {
  ::PostMessageW(m_hWnd, WM_LOGIN_ATTACH_BROWSER, 0, 0);
}

bool CLoginWnd::OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                         CefProcessId source_process,
                                         CefRefPtr<CefProcessMessage> message) {
  return message->GetName() == "jsCallMsg" && message->GetArgumentList()->GetSize() > 0;
}
