#include "renderer/renderer_app.h"

#include <string>

#include "renderer/browser_v8_handler.h"

CRendererApp::CRendererApp() : m_v8Handler(new CBrowserV8Handler()), m_refCount(0) {}

CRendererApp::~CRendererApp() {}

CefRefPtr<CefRenderProcessHandler> CRendererApp::GetRenderProcessHandler() { return this; }

void CRendererApp::OnWebKitInitialized() {}

void CRendererApp::OnContextCreated(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                    CefRefPtr<CefV8Context> context) {
  OutputDebugStringW(L"ClientAppRenderer::OnContextCreated, create window binding\r\n");

  // No attributes: the page may overwrite or delete the function.
  CefRefPtr<CefV8Value> window = context->GetGlobal();
  CefRefPtr<CefV8Value> function = CefV8Value::CreateFunction("JsCallWindowsClient", m_v8Handler);
  window->SetValue("JsCallWindowsClient", function, V8_PROPERTY_ATTRIBUTE_NONE);
}

bool CRendererApp::OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                            CefProcessId source_process,
                                            CefRefPtr<CefProcessMessage> message) {
  const std::string name = message->GetName().ToString();
  if (name != "clientMsg")
    return false;

  CefRefPtr<CefListValue> args = message->GetArgumentList();
  if (args->GetSize() == 0)
    return true;

  // The frame's own address stands for the script's.
  CefRefPtr<CefFrame> frame = browser->GetMainFrame();
  frame->ExecuteJavaScript(args->GetString(0), frame->GetURL(), 0);
  return true;
}

void CRendererApp::AddRef() const { InterlockedIncrement(&m_refCount); }

bool CRendererApp::Release() const {
  if (InterlockedDecrement(&m_refCount) == 0) {
    delete this;
    return true;
  }
  return false;
}

bool CRendererApp::HasOneRef() const { return m_refCount == 1; }
