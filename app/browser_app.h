#pragma once

#include <windows.h>

#include "include/cef_app.h"

// The engine application object of the browser process and of every sub-process except the
// renderer. Its one behaviour is to add the browser process's own command-line switches.
class CBrowserApp : public CefApp, public CefBrowserProcessHandler {
 public:
  CBrowserApp();

  // CefApp methods. Command-line processing runs on the thread that starts the engine.
  virtual void OnBeforeCommandLineProcessing(const CefString& process_type,
                                             CefRefPtr<CefCommandLine> command_line) override;
  virtual CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override;

  // CefBrowserProcessHandler methods, called on the engine's UI thread.
  virtual void OnContextInitialized() override;

  // CefBase methods. The engine holds references from its own threads, hence the
  // interlocked count.
  virtual void AddRef() const override;
  virtual bool Release() const override;
  virtual bool HasOneRef() const override;

 protected:
  virtual ~CBrowserApp() {}

 private:
  mutable volatile LONG m_refCount;
};
