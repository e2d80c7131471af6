#include "browser_wnd.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "cef_browser_ui.h"

using namespace DuiLib;

namespace {

const UINT IDI_APP = 101;

// Drops a UTF-8 sequence left incomplete at the end of a cut text.
void TrimPartialUtf8(char* text) {
  size_t length = strlen(text);
  size_t start = length;
  while (start > 0 && length - start < 3 &&
         (static_cast<unsigned char>(text[start - 1]) & 0xC0) == 0x80)
    --start;
  if (start == 0)
    return;
  unsigned char lead = static_cast<unsigned char>(text[start - 1]);
  size_t needed = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (length - (start - 1) < needed)
    text[start - 1] = '\0';
}

}  // namespace

CBrowserWnd::CBrowserWnd()
    : m_hOwnerWnd(NULL), m_pEventHandler(NULL), m_bCanMaximize(false), m_pBrowserUI(NULL) {}

CBrowserWnd::~CBrowserWnd() {}

void CBrowserWnd::Setup(HWND hOwnerWnd, LPCTSTR pstrURL, ICefBrowserHandler* pEventHandler,
                        bool bCanMaximize) {
  m_hOwnerWnd = hOwnerWnd;
  m_sURL = pstrURL;
  m_pEventHandler = pEventHandler;
  m_bCanMaximize = bCanMaximize;
}

LPCTSTR CBrowserWnd::GetWindowClassName() const { return L"Quellix_BrowserWnd"; }

void CBrowserWnd::OnFinalMessage(HWND hWnd) {
  WindowImplBase::OnFinalMessage(hWnd);
  delete this;
}

void CBrowserWnd::InitWindow() {
  SetIcon(IDI_APP);
  m_pBrowserUI = static_cast<CCefBrowserUI*>(m_PaintManager.FindControl(L"cefbrowser"));
  if (m_pBrowserUI == NULL)
    return;
  m_pBrowserUI->SetURL(m_sURL);
  if (m_pEventHandler == NULL)
    m_pEventHandler = this;
  m_pBrowserUI->CreateBrowser(m_pEventHandler);
}

CDuiString CBrowserWnd::GetSkinFile() { return L"browser.xml"; }

LRESULT CBrowserWnd::OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  return 0;
}

LRESULT CBrowserWnd::OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = FALSE;
  CloseBrowser();
  return 0;
}

LRESULT CBrowserWnd::OnGetMinMaxInfo(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  return 0;
}

// The browser window ends only with its owner: the system close command is eaten.
LRESULT CBrowserWnd::OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
  bHandled = wParam == SC_CLOSE ? TRUE : FALSE;
  return 0;
}

LRESULT CBrowserWnd::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam,
                                         BOOL& bHandled) {
  bHandled = FALSE;
  return 0;
}

void CBrowserWnd::Notify(TNotifyUI& msg) { WindowImplBase::Notify(msg); }

CControlUI* CBrowserWnd::CreateControl(LPCTSTR pstrClass) {
  if (lstrcmpiW(pstrClass, L"CefBrowser") == 0)
    return new CCefBrowserUI;
  return NULL;
}

void CBrowserWnd::Reload(bool bIgnoreCache) {
  if (m_pBrowserUI == NULL)
    return;
  if (bIgnoreCache)
    m_pBrowserUI->ReloadIgnoreCache();
  else
    m_pBrowserUI->Reload();
}

void CBrowserWnd::Maximize(bool bMaximize) {
  if (m_bCanMaximize)
    SendMessageW(WM_SYSCOMMAND, bMaximize ? SC_MAXIMIZE : SC_RESTORE, 0);
}

void CBrowserWnd::CloseBrowser() {
  if (m_pBrowserUI == NULL)
    return;
  m_pBrowserUI->CloseBrowser();
  m_pBrowserUI = NULL;
}

CefRefPtr<CefBrowser> CBrowserWnd::GetBrowser() {
  if (m_pBrowserUI == NULL)
    return NULL;
  return m_pBrowserUI->GetBrowser();
}

void CBrowserWnd::LoadURL(LPCTSTR pstrURL) {
  if (m_pBrowserUI != NULL)
    m_pBrowserUI->LoadURL(pstrURL);
}

HWND CBrowserWnd::GetOwnerWnd() const { return m_hOwnerWnd; }

void CBrowserWnd::ClientCallJs(int nId, const char* pszFormat, ...) {
  CefRefPtr<CefBrowser> browser = GetBrowser();
  if (!browser.get())
    return;
  CefRefPtr<CefFrame> frame = browser->GetMainFrame();
  if (!frame.get())
    return;

  char szArgs[256];
  snprintf(szArgs, sizeof(szArgs), "%d", nId);
  if (pszFormat != NULL) {
    char szText[64] = "";
    va_list args;
    va_start(args, pszFormat);
    int written = vsnprintf(szText, sizeof(szText), pszFormat, args);
    va_end(args);
    if (written < 0)
      szText[0] = '\0';
    else if (written >= static_cast<int>(sizeof(szText)))
      TrimPartialUtf8(szText);
    size_t used = strlen(szArgs);
    snprintf(szArgs + used, sizeof(szArgs) - used, ",%s", szText);
  }
  std::string script = std::string("ClientCallJs(") + szArgs + ");";
  frame->ExecuteJavaScript(script, frame->GetURL(), 0);
}

bool CBrowserWnd::OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                const CefString& target_url, const CefString& target_frame_name,
                                CefLifeSpanHandler::WindowOpenDisposition target_disposition,
                                bool user_gesture, const CefPopupFeatures& popupFeatures,
                                CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client,
                                CefBrowserSettings& settings, bool* no_javascript_access) {
  return true;
}

void CBrowserWnd::OnAddressChange(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                  const CefString& url) {}

void CBrowserWnd::OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) {}
