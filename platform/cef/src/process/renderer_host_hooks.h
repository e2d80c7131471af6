// The engine's one renderer host: started by CefInitialize, stopped by
// CefShutdown, told about browsers and documents by the browser model.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "include/cef_app.h"

namespace cef_internal {

class RendererHost;

// Starts the renderer for the engine's |app| and connects it as the
// renderer channel. Browser process, before any browser exists.
void StartRendererHost(CefRefPtr<CefApp> app);
// Releases the renderer and waits for it to end; before the UI thread stops.
void StopRendererHost();
// The running host, NULL when none.
std::shared_ptr<RendererHost> CurrentRendererHost();

// UI thread: what the renderer mirrors.
void NotifyRendererBrowserCreated(int browser_id);
void NotifyRendererBrowserClosed(int browser_id);
// A frame committed a document; an empty |frame_name| is the main frame.
void NotifyRendererDocument(int browser_id, const CefString& frame_name, const CefString& url);

// Test knobs, read at the next StartRendererHost. The executable replaces
// the default (DefaultRendererExecutable); empty runs the renderer
// in-process. The in-process renderer runs |app| instead of the engine's.
void SetRendererExecutable(std::optional<std::string> executable);
void SetInProcessRendererApp(CefRefPtr<CefApp> app);
// The exit code of the last renderer stopped, if any.
std::optional<int> LastRendererExitCode();

}  // namespace cef_internal
