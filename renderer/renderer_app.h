#pragma once

#include <windows.h>

#include "include/cef_app.h"
#include "include/cef_render_process_handler.h"

// The engine application object of the renderer process. It binds
// window.JsCallWindowsClient in every JavaScript context and runs the script
// that a "clientMsg" message carries in the main frame of its browser.
class CRendererApp : public CefApp, public CefRenderProcessHandler {
 public:
  CRendererApp();

  // CefApp methods.
  virtual CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler() override;

  // CefRenderProcessHandler methods, called on the render thread.
  virtual void OnWebKitInitialized() override;
  virtual void OnContextCreated(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                CefRefPtr<CefV8Context> context) override;
  virtual bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                        CefProcessId source_process,
                                        CefRefPtr<CefProcessMessage> message) override;

  // CefBase methods.
  virtual void AddRef() const override;
  virtual bool Release() const override;
  virtual bool HasOneRef() const override;

 protected:
  virtual ~CRendererApp();

 private:
  // One handler serves the page function of every context in the process.
  CefRefPtr<CefV8Handler> m_v8Handler;
  mutable volatile LONG m_refCount;
};
