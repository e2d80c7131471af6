// The application object and the engine's process-wide entry points.
#pragma once

#include "include/cef_base.h"
#include "include/cef_browser_process_handler.h"
#include "include/cef_command_line.h"
#include "include/cef_resource_bundle_handler.h"
#include "include/cef_scheme.h"

class CefApp;
class CefRenderProcessHandler;

// Runs a sub-process role when the command line names one ("type" switch) and
// returns its exit code; returns -1 in the browser process.
int CefExecuteProcess(const CefMainArgs& args, CefRefPtr<CefApp> application, void* windows_sandbox_info);

// Starts the engine in the browser process. With multi_threaded_message_loop
// the engine's UI thread runs beside the caller until CefShutdown.
bool CefInitialize(const CefMainArgs& args, const CefSettings& settings, CefRefPtr<CefApp> application,
                   void* windows_sandbox_info);
// Called on the thread that called CefInitialize.
void CefShutdown();

void CefDoMessageLoopWork();
void CefRunMessageLoop();
void CefQuitMessageLoop();
void CefSetOSModalLoop(bool osModalLoop);
void CefEnableHighDPISupport();

class CefApp : public virtual CefBase {
 public:
  // |process_type| is empty in the browser process. Called before the
  // engine reads |command_line|, which may still be changed here.
  virtual void OnBeforeCommandLineProcessing(const CefString& process_type, CefRefPtr<CefCommandLine> command_line) {}
  virtual void OnRegisterCustomSchemes(CefRefPtr<CefSchemeRegistrar> registrar) {}
  virtual CefRefPtr<CefResourceBundleHandler> GetResourceBundleHandler() { return NULL; }
  virtual CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() { return NULL; }
  // Defined out of line: the renderer-side handler is declared in
  // "include/cef_render_process_handler.h".
  virtual CefRefPtr<CefRenderProcessHandler> GetRenderProcessHandler();
};
