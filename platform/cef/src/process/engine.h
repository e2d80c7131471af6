// The browser-process engine: what CefInitialize set up and CefShutdown
// takes down, plus the knobs and records the testing library reaches.
#pragma once

#include <memory>
#include <mutex>

#include "include/cef_app.h"
#include "src/core/command_line.h"
#include "src/threads/message_loop_thread.h"

namespace cef_internal {

struct Engine {
  std::mutex lock;
  bool initialized = false;
  CefSettings settings;
  // Held from CefInitialize to CefShutdown.
  CefRefPtr<CefApp> app;
  CefRefPtr<CommandLine> global_command_line;
  std::shared_ptr<MessageLoopThread> ui_thread;

  // Test knobs and records.
  bool fail_initialize = false;
  int subprocess_exit_code = 0;
  // Identity only: the application object may be gone by the time it is read.
  const CefApp* execute_process_app = nullptr;
  int initialize_calls = 0;
};

Engine& TheEngine();

// The application object while the engine runs, else NULL.
CefRefPtr<CefApp> EngineApp();

}  // namespace cef_internal
