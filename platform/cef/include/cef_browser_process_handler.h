// Browser-process callbacks of the application. Called on the UI thread
// unless noted.
#pragma once

#include "include/cef_base.h"
#include "include/cef_command_line.h"
#include "include/cef_print_handler.h"
#include "include/cef_values.h"

class CefBrowserProcessHandler : public virtual CefBase {
 public:
  virtual void OnContextInitialized() {}
  // Called on the thread that launches the child process.
  virtual void OnBeforeChildProcessLaunch(CefRefPtr<CefCommandLine> command_line) {}
  // Called on the IO thread; |extra_info| reaches the renderer's
  // OnRenderThreadCreated.
  virtual void OnRenderProcessThreadCreated(CefRefPtr<CefListValue> extra_info) {}
  virtual CefRefPtr<CefPrintHandler> GetPrintHandler() { return NULL; }
  // With an external message pump: run CefDoMessageLoopWork after |delay_ms|.
  virtual void OnScheduleMessagePumpWork(int64 delay_ms) {}
};
