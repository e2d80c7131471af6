#include "app/browser_app.h"

CBrowserApp::CBrowserApp() : m_refCount(0) {}

void CBrowserApp::OnBeforeCommandLineProcessing(const CefString& process_type,
                                                CefRefPtr<CefCommandLine> command_line) {
  if (!process_type.empty())
    return;
  command_line->AppendSwitch("--disable-web-security");
  command_line->AppendSwitchWithValue("--ppapi-flash-path", "PepperFlash/pepflashplayer.dll");
}

CefRefPtr<CefBrowserProcessHandler> CBrowserApp::GetBrowserProcessHandler() {
  return this;
}

void CBrowserApp::OnContextInitialized() {}

void CBrowserApp::AddRef() const {
  InterlockedIncrement(&m_refCount);
}

bool CBrowserApp::Release() const {
  if (InterlockedDecrement(&m_refCount) == 0) {
    delete this;
    return true;
  }
  return false;
}

bool CBrowserApp::HasOneRef() const {
  return m_refCount == 1;
}
