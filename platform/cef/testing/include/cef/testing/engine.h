// Test access to the engine as a whole: what the program handed it, the
// knobs that change its answers, and synchronisation with its UI thread.
#pragma once

#include <functional>
#include <ostream>
#include <vector>

#include "include/cef_app.h"
#include "src/browser/cookie_manager.h"

// Lets test frameworks print engine strings as UTF-8.
inline std::ostream& operator<<(std::ostream& out, const CefString& value) { return out << value.ToString(); }

namespace cef::testing {

// The settings of the last CefInitialize call (zeroed before any call).
CefSettings RecordedSettings();
int InitializeCallCount();
bool EngineRunning();
// The application object the running engine holds, else NULL.
CefRefPtr<CefApp> RunningApp();
// The application object given to the last CefExecuteProcess call. Compare it
// only: the object may have been deleted since.
const CefApp* ExecuteProcessApp();
// The engine's global command line after CefInitialize, else NULL.
CefRefPtr<CefCommandLine> GlobalCommandLine();

// What CefExecuteProcess returns for a sub-process role other than the renderer.
void SetSubprocessExitCode(int exit_code);
// Makes CefInitialize return false (after recording its settings).
void SetInitializeFails(bool fails);
// While held, browsers do not load their first URL and client requests
// (LoadURL, Reload, GoBack...) are only recorded: the test drives every load.
void HoldLoads(bool hold);
// Back to the defaults: CefInitialize succeeds, exit code 0, loads not held.
void ResetKnobs();

// Runs |function| on the UI thread and returns once it has run; the caller
// keeps serving messages sent to its own windows meanwhile. False when the
// engine is not running.
bool RunOnUiThread(const std::function<void()>& function);
// Returns once the UI thread has run every task posted so far, and the tasks
// those posted.
bool WaitForUiIdle();

// Every CefCookieManager::CreateManager call of the process, in order.
using CookieManagerCall = cef_internal::CookieManagerRequest;
std::vector<CookieManagerCall> CookieManagerCalls();

}  // namespace cef::testing
