#include "browser_handler.h"

#include "include/base/cef_bind.h"
#include "include/cef_task.h"
#include "include/wrapper/cef_closure_task.h"

#include "cef_browser_ui.h"

BrowserMap g_browserMap;

CBrowserHandler::CBrowserHandler()
    : m_browserId(0),
      m_pOwnerUI(NULL),
      m_pEventHandler(NULL),
      m_hOwnerWnd(NULL),
      m_refCount(0) {
  InitializeCriticalSectionAndSpinCount(&lock_, 2000);
}

CBrowserHandler::~CBrowserHandler() { DeleteCriticalSection(&lock_); }

void CBrowserHandler::SetOwner(CCefBrowserUI* pOwnerUI, ICefBrowserHandler* pEventHandler) {
  AutoLock lock_scope(this);
  m_pOwnerUI = pOwnerUI;
  m_pEventHandler = pEventHandler;
}

void CBrowserHandler::DetachOwner() {
  // A forwarded event may hold the lock on the browser thread while it sends to a
  // window of this thread; keep serving sent messages until the event is done.
  while (!TryEnterCriticalSection(&lock_)) {
    MSG msg;
    PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE);
    Sleep(1);
  }
  m_pOwnerUI = NULL;
  m_pEventHandler = NULL;
  Unlock();
}

CefRefPtr<CefBrowser> CBrowserHandler::GetBrowser() { return m_browser; }

void CBrowserHandler::CloseBrowser(bool force_close) {
  if (!CefCurrentlyOn(TID_UI)) {
    // The bound reference keeps this object alive until the task has run.
    CefPostTask(TID_UI, base::Bind(&CBrowserHandler::CloseBrowser,
                                   CefRefPtr<CBrowserHandler>(this), force_close));
    return;
  }
  if (!m_browser.get())
    return;
  // Destroying the browser's window ends the browser; OnBeforeClose follows.
  DestroyWindow(m_browser->GetHost()->GetWindowHandle());
}

void CBrowserHandler::Lock() { EnterCriticalSection(&lock_); }

void CBrowserHandler::Unlock() { LeaveCriticalSection(&lock_); }

// Browser thread.
void CBrowserHandler::OnAfterCreated(CefRefPtr<CefBrowser> browser) {
  AutoLock lock_scope(this);
  m_browser = browser;
  m_browserId = browser->GetIdentifier();
  if (m_pOwnerUI)
    m_pOwnerUI->SetBrowser(browser);
  g_browserMap[browser->GetIdentifier()] = browser;
}

// Browser thread. Dropping both references breaks the browser <-> client cycle.
void CBrowserHandler::OnBeforeClose(CefRefPtr<CefBrowser> browser) {
  BrowserMap::iterator it = g_browserMap.find(browser->GetIdentifier());
  if (it != g_browserMap.end())
    g_browserMap.erase(it);
  m_browser = NULL;
}

void CBrowserHandler::AddRef() const { InterlockedIncrement(&m_refCount); }

bool CBrowserHandler::Release() const {
  if (InterlockedDecrement(&m_refCount) == 0) {
    delete this;
    return true;
  }
  return false;
}

bool CBrowserHandler::HasOneRef() const {
  return InterlockedCompareExchange(&m_refCount, 0, 0) == 1;
}
