#include "cef_browser_ui.h"

using namespace DuiLib;

namespace {

// Posted to the control's paint window; wParam names the control.
const UINT WM_ADOPT_BROWSER = WM_APP + 0x0CEF;

bool IsWindowOfThisThread(HWND hWnd) {
  return GetWindowThreadProcessId(hWnd, NULL) == GetCurrentThreadId();
}

}  // namespace

CCefBrowserUI::CCefBrowserUI() { InitializeCriticalSection(&m_pendingLock); }

CCefBrowserUI::~CCefBrowserUI() {
  if (m_handler.get())
    m_handler->DetachOwner();
  if (m_pManager != NULL) {
    m_pManager->RemovePreMessageFilter(this);
    m_pManager->RemoveMessageFilter(this);
  }
  DeleteCriticalSection(&m_pendingLock);
}

LPCTSTR CCefBrowserUI::GetClass() const { return L"CefBrowserUI"; }

LPVOID CCefBrowserUI::GetInterface(LPCTSTR pstrName) {
  if (lstrcmpiW(pstrName, L"CefBrowser") == 0)
    return this;
  return CControlUI::GetInterface(pstrName);
}

void CCefBrowserUI::SetPos(RECT rc, bool bNeedInvalidate) {
  CControlUI::SetPos(rc, bNeedInvalidate);
  CDuiRect rcPos(GetPos());
  if (m_browser.get() && !rcPos.IsNull()) {
    SetWindowPos(GetBrowserWindow(), NULL, rcPos.left, rcPos.top, rcPos.right - rcPos.left,
                 rcPos.bottom - rcPos.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
}

void CCefBrowserUI::SetVisible(bool bVisible) { ShowBrowserWindow(bVisible); }

void CCefBrowserUI::SetInternVisible(bool bVisible) { ShowBrowserWindow(bVisible); }

LRESULT CCefBrowserUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
  if (uMsg == WM_ADOPT_BROWSER && wParam == reinterpret_cast<WPARAM>(this))
    AdoptPendingBrowser();
  else if (m_handler.get() && (uMsg == WM_HELP || uMsg == WM_CONTEXTMENU))
    bHandled = false;
  return 0;
}

void CCefBrowserUI::SetURL(LPCTSTR pstrURL) { m_sURL = pstrURL; }

bool CCefBrowserUI::CreateBrowser(ICefBrowserHandler* pEventHandler) {
  if (m_pManager == NULL)
    return false;
  // A client made by an earlier call must not keep pointing here.
  if (m_handler.get())
    m_handler->DetachOwner();
  m_handler = new CBrowserHandler();
  if (!m_handler.get())
    return false;
  m_pManager->AddPreMessageFilter(this);
  // The hand-over message must also arrive when a modal loop, which skips the
  // pre-message filters, is running on the control's thread.
  m_pManager->AddMessageFilter(this);
  m_handler->SetOwner(this, pEventHandler);

  const RECT& rc = GetPos();
  CefWindowInfo info;
  CefString(&info.window_name) = GetName().GetData();
  info.SetAsChild(m_pManager->GetPaintWindow(), rc);
  CefBrowserSettings settings;
  return CefBrowserHost::CreateBrowser(info, m_handler.get(), CefString(m_sURL.GetData()),
                                       settings, NULL);
}

// The control belongs to its window's thread, while the browser arrives on the
// engine's browser thread. For a window of another thread the browser is parked
// and a message asks the window's thread to adopt it, so m_browser and the layout
// are only ever touched on the control's own thread.
void CCefBrowserUI::SetBrowser(CefRefPtr<CefBrowser> browser) {
  HWND hPaintWnd = m_pManager != NULL ? m_pManager->GetPaintWindow() : NULL;
  if (hPaintWnd == NULL || IsWindowOfThisThread(hPaintWnd)) {
    AdoptBrowser(browser);
    return;
  }
  EnterCriticalSection(&m_pendingLock);
  m_pendingBrowser = browser;
  LeaveCriticalSection(&m_pendingLock);
  PostMessageW(hPaintWnd, WM_ADOPT_BROWSER, reinterpret_cast<WPARAM>(this), 0);
}

void CCefBrowserUI::AdoptPendingBrowser() {
  EnterCriticalSection(&m_pendingLock);
  CefRefPtr<CefBrowser> browser = m_pendingBrowser;
  m_pendingBrowser = NULL;
  LeaveCriticalSection(&m_pendingLock);
  if (browser.get())
    AdoptBrowser(browser);
}

void CCefBrowserUI::AdoptBrowser(CefRefPtr<CefBrowser> browser) {
  m_browser = browser;
  NeedParentUpdate();
  if (!m_browser.get())
    return;
  // The browser window belongs to the engine's thread: while ShowWindow waits for it, this
  // thread serves messages sent to it, and one of them may remove this control. So the
  // control is not touched after the call.
  HWND hBrowserWnd = GetBrowserWindow();
  int nCmdShow = IsVisible() ? SW_SHOWNOACTIVATE : SW_HIDE;
  ShowWindow(hBrowserWnd, nCmdShow);
}

CefRefPtr<CefBrowser> CCefBrowserUI::GetBrowser() { return m_browser; }

CefRefPtr<CefFrame> CCefBrowserUI::GetMainFrame() {
  if (!m_browser.get())
    return NULL;
  return m_browser->GetMainFrame();
}

void CCefBrowserUI::LoadURL(const CefString& url) {
  CefRefPtr<CefFrame> frame = GetMainFrame();
  if (frame.get())
    frame->LoadURL(url);
}

void CCefBrowserUI::GoBack() {
  if (m_browser.get() && m_browser->CanGoBack())
    m_browser->GoBack();
}

void CCefBrowserUI::GoForward() {
  if (m_browser.get() && m_browser->CanGoForward())
    m_browser->GoForward();
}

void CCefBrowserUI::Reload() {
  if (m_browser.get())
    m_browser->Reload();
}

void CCefBrowserUI::ReloadIgnoreCache() {
  if (m_browser.get())
    m_browser->ReloadIgnoreCache();
}

void CCefBrowserUI::CloseBrowser() {
  if (m_handler.get())
    m_handler->CloseBrowser(true);
}

HWND CCefBrowserUI::GetBrowserWindow() const {
  return m_browser->GetHost()->GetWindowHandle();
}

void CCefBrowserUI::ShowBrowserWindow(bool bShow) {
  if (m_browser.get())
    ShowWindow(GetBrowserWindow(), bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
}
