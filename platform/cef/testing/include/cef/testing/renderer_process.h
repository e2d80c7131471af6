// Test access to the engine's renderer from the browser process: which
// renderer CefInitialize starts, page calls in a browser's frames, and how
// the renderer ended.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cef/testing/renderer.h"
#include "include/cef_browser.h"

namespace cef {
namespace testing {

// Read at the next CefInitialize. |path| is started as the renderer child
// process; an empty path runs the renderer in-process. A test binary that
// is not a launcher runs it in-process unless told otherwise.
void SetRendererExecutable(const std::string& path);
// The application object the in-process renderer runs; NULL: the one given
// to CefInitialize.
void SetInProcessRendererApp(CefRefPtr<CefApp> app);
// Back to the defaults.
void ResetRendererKnobs();

// What the page's `window[name](arguments...)` in the frame gives; the
// frame is the main frame for kMainFrame, else the named inline frame.
// Returns after the browser's client received the messages the call sent.
// Not on the UI thread.
PageCallResult CallPageFunction(CefRefPtr<CefBrowser> browser, const std::string& frame_name,
                                const std::string& name, const CefV8ValueList& arguments);
// The same call |times| times in a row within one page script, without
// waiting in between; one result per call.
std::vector<PageCallResult> CallPageFunctionRepeatedly(CefRefPtr<CefBrowser> browser,
                                                       const std::string& frame_name,
                                                       const std::string& name,
                                                       const CefV8ValueList& arguments,
                                                       int times);

// The running renderer child's process id; 0 when the renderer runs
// in-process or none runs.
int RendererProcessId();
// Cuts the running renderer's connection as a broken socket would.
void BreakRendererConnection();
// Waits until the running renderer has ended and returns its exit code (the
// negated signal for a child killed by one); without a running renderer, the
// last stopped renderer's, if any.
std::optional<int> WaitForRendererEnd();

}  // namespace testing
}  // namespace cef
