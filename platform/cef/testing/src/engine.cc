#include "cef/testing/engine.h"

#include "src/browser/navigation.h"
#include "src/process/engine.h"

namespace cef::testing {

using cef_internal::TheEngine;

namespace {

std::shared_ptr<cef_internal::MessageLoopThread> UiThread() {
  std::lock_guard<std::mutex> held(TheEngine().lock);
  return TheEngine().ui_thread;
}

}  // namespace

CefSettings RecordedSettings() {
  std::lock_guard<std::mutex> held(TheEngine().lock);
  return TheEngine().settings;
}

int InitializeCallCount() {
  std::lock_guard<std::mutex> held(TheEngine().lock);
  return TheEngine().initialize_calls;
}

bool EngineRunning() {
  std::lock_guard<std::mutex> held(TheEngine().lock);
  return TheEngine().initialized;
}

CefRefPtr<CefApp> RunningApp() { return cef_internal::EngineApp(); }

const CefApp* ExecuteProcessApp() {
  std::lock_guard<std::mutex> held(TheEngine().lock);
  return TheEngine().execute_process_app;
}

CefRefPtr<CefCommandLine> GlobalCommandLine() { return CefCommandLine::GetGlobalCommandLine(); }

void SetSubprocessExitCode(int exit_code) {
  std::lock_guard<std::mutex> held(TheEngine().lock);
  TheEngine().subprocess_exit_code = exit_code;
}

void SetInitializeFails(bool fails) {
  std::lock_guard<std::mutex> held(TheEngine().lock);
  TheEngine().fail_initialize = fails;
}

void HoldLoads(bool hold) { cef_internal::SetLoadsHeld(hold); }

void ResetKnobs() {
  SetSubprocessExitCode(0);
  SetInitializeFails(false);
  HoldLoads(false);
}

bool RunOnUiThread(const std::function<void()>& function) {
  std::shared_ptr<cef_internal::MessageLoopThread> ui_thread = UiThread();
  return ui_thread && ui_thread->RunNow(function);
}

bool WaitForUiIdle() {
  std::shared_ptr<cef_internal::MessageLoopThread> ui_thread = UiThread();
  return ui_thread && ui_thread->RunNow([&ui_thread] { ui_thread->RunUntilIdle(); });
}

std::vector<CookieManagerCall> CookieManagerCalls() { return cef_internal::CookieManagerRequests(); }

}  // namespace cef::testing
