#include "src/process/engine.h"

#include "include/cef_render_process_handler.h"
#include "include/wrapper/cef_closure_task.h"
#include "src/browser/browser_registry.h"
#include "src/process/renderer_host_hooks.h"
#include "src/renderer/renderer_process.h"
#include "src/webkit/engine_backend.h"
#include "src/webkit/engine_start.h"
#include "src/webkit/web_process_entry.h"

namespace cef_internal {

namespace {

CefRefPtr<CommandLine> ProcessCommandLine() {
  CefRefPtr<CommandLine> command_line = new CommandLine();
  const wchar_t* line = GetCommandLineW();
  command_line->InitFromString(CefString(line ? line : L""));
  return command_line;
}

// With command_line_args_disabled the engine ignores everything but the program.
CefRefPtr<CommandLine> EngineCommandLine(const CefSettings& settings) {
  CefRefPtr<CommandLine> command_line = ProcessCommandLine();
  if (settings.command_line_args_disabled) {
    CefRefPtr<CommandLine> bare = new CommandLine();
    bare->SetProgram(command_line->GetProgram());
    return bare;
  }
  return command_line;
}

}  // namespace

Engine& TheEngine() {
  static Engine* engine = new Engine;
  return *engine;
}

CefRefPtr<CefApp> EngineApp() {
  Engine& engine = TheEngine();
  std::lock_guard<std::mutex> held(engine.lock);
  return engine.app;
}

}  // namespace cef_internal

using cef_internal::Engine;
using cef_internal::TheEngine;

CefRefPtr<CefRenderProcessHandler> CefApp::GetRenderProcessHandler() { return NULL; }

// A "type" switch without a value counts as no switch: the browser process.
int CefExecuteProcess(const CefMainArgs& args, CefRefPtr<CefApp> application, void* windows_sandbox_info) {
  CefRefPtr<cef_internal::CommandLine> command_line = cef_internal::ProcessCommandLine();
  const CefString type = command_line->GetSwitchValue("type");
  int exit_code;
  {
    Engine& engine = TheEngine();
    std::lock_guard<std::mutex> held(engine.lock);
    engine.execute_process_app = application.get();
    exit_code = engine.subprocess_exit_code;
  }
  if (type.empty())
    return -1;
  if (application)
    application->OnBeforeCommandLineProcessing(type, command_line.get());
  if (type == "renderer") {
    if (cef_internal::WebProcessRenderer serve = cef_internal::TheWebProcessRenderer())
      return serve(application);
    return cef_internal::RunRendererProcess(args, application);
  }
  return exit_code;
}

bool CefInitialize(const CefMainArgs& args, const CefSettings& settings, CefRefPtr<CefApp> application,
                   void* windows_sandbox_info) {
  Engine& engine = TheEngine();
  {
    std::lock_guard<std::mutex> held(engine.lock);
    ++engine.initialize_calls;
    engine.settings = settings;
    if (engine.initialized || engine.fail_initialize)
      return false;
    engine.initialized = true;  // taken: a second call fails from here on
  }
  auto ui_thread = std::make_shared<cef_internal::MessageLoopThread>();
  ui_thread->Start();
  cef_internal::RegisterTaskThread(TID_UI, ui_thread);

  // The application sees the engine's command line on the UI thread before
  // anything reads it; it is complete when CefInitialize returns.
  CefRefPtr<cef_internal::CommandLine> command_line = cef_internal::EngineCommandLine(settings);
  ui_thread->RunNow([&] {
    if (application)
      application->OnBeforeCommandLineProcessing(CefString(), command_line.get());
  });
  command_line->SetReadOnly();
  ui_thread->RunNow([&] { cef_internal::StartEngineBackend(settings, command_line); });
  {
    std::lock_guard<std::mutex> held(engine.lock);
    engine.app = application;
    engine.global_command_line = command_line;
    engine.ui_thread = ui_thread;
  }
  // A web engine of its own runs the renderer inside its web processes.
  if (!cef_internal::InstalledEngineBackend())
    cef_internal::StartRendererHost(application);

  CefRefPtr<CefBrowserProcessHandler> handler = application ? application->GetBrowserProcessHandler() : NULL;
  if (handler)
    CefPostTask(TID_UI, base::Bind(&CefBrowserProcessHandler::OnContextInitialized, handler.get()));
  return true;
}

void CefShutdown() {
  Engine& engine = TheEngine();
  std::shared_ptr<cef_internal::MessageLoopThread> ui_thread;
  {
    std::lock_guard<std::mutex> held(engine.lock);
    if (!engine.ui_thread || engine.ui_thread->BelongsToCurrentThread())
      return;
    ui_thread = engine.ui_thread;
  }
  cef_internal::StopRendererHost();
  ui_thread->Stop([] {
    cef_internal::BrowserRegistry::Get().DestroyAll();
    cef_internal::StopEngineBackend();
  });
  cef_internal::RegisterTaskThread(TID_UI, nullptr);

  CefRefPtr<CefApp> app;
  {
    std::lock_guard<std::mutex> held(engine.lock);
    engine.initialized = false;
    engine.ui_thread.reset();
    engine.global_command_line = NULL;
    app.swap(engine.app);
  }
}

void CefDoMessageLoopWork() {}

void CefRunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, NULL, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void CefQuitMessageLoop() { PostQuitMessage(0); }

void CefSetOSModalLoop(bool osModalLoop) {}

void CefEnableHighDPISupport() {}

CefRefPtr<CefCommandLine> CefCommandLine::GetGlobalCommandLine() {
  Engine& engine = TheEngine();
  std::lock_guard<std::mutex> held(engine.lock);
  return engine.global_command_line.get();
}
