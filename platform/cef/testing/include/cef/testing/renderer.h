// Test-only driving and observation of a renderer run in-process: documents
// and inline frames, page calls of global functions, process messages both
// ways and the scripts run in each frame. Every call runs on the renderer's
// render thread and returns when it is done there.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "include/cef_app.h"
#include "include/cef_process_message.h"
#include "include/cef_v8.h"

namespace cef_internal {
class RendererSession;
}

namespace cef {
namespace testing {

// Names the main frame wherever a frame name is asked for.
extern const char kMainFrame[];

// What a page's call of a global function gave.
struct PageCallResult {
  // Empty when the call threw.
  CefRefPtr<CefV8Value> value;
  // The error thrown: by the function, or because there was no such frame,
  // document or function.
  std::string exception;
};

// A process message the renderer sent to the browser process.
struct SentMessage {
  int browser_id = 0;
  CefRefPtr<CefProcessMessage> message;
};

// A script that was run in a frame with CefFrame::ExecuteJavaScript.
struct ScriptRun {
  std::string code;
  std::string url;
  int start_line = 0;
};

class RendererSession {
 public:
  // Starts a renderer for |app| (OnRenderThreadCreated, OnWebKitInitialized).
  explicit RendererSession(CefRefPtr<CefApp> app);
  // Closes every browser (contexts released, OnBrowserDestroyed), then ends
  // the render thread.
  ~RendererSession();
  RendererSession(const RendererSession&) = delete;
  RendererSession& operator=(const RendererSession&) = delete;

  // A new browser without a document (OnBrowserCreated); returns its id.
  int CreateBrowser();
  void DestroyBrowser(int browser_id);
  // The renderer-side browser, for tests that compare it with what the
  // application was given. NULL for an unknown id.
  CefRefPtr<CefBrowser> GetBrowser(int browser_id);

  // A new document in the main frame: the inline frames go, every old
  // context is released and the main frame gets a new one.
  void LoadDocument(int browser_id, const std::string& url);
  // A new document in the inline frame |frame_name| of the main document,
  // created when there is none of that name. Returns false without a main
  // document or for an empty name.
  bool LoadInlineFrame(int browser_id, const std::string& frame_name, const std::string& url);
  // A new context for every frame, the inline frames kept.
  void Reload(int browser_id);

  // What the page's `window[name](arguments...)` does in the frame.
  PageCallResult CallGlobalFunction(int browser_id, const std::string& frame_name,
                                    const std::string& name, const CefV8ValueList& arguments);
  // What the page's `window[name] = value` does; false when the property is
  // read-only or there is no such frame or document.
  bool AssignGlobal(int browser_id, const std::string& frame_name, const std::string& name,
                    CefRefPtr<CefV8Value> value);
  // `window[name]` in the frame; NULL when absent.
  CefRefPtr<CefV8Value> GetGlobal(int browser_id, const std::string& frame_name,
                                  const std::string& name);

  // A message from the browser process to the browser's renderer; returns
  // the application's OnProcessMessageReceived answer (false for an unknown
  // browser).
  bool DeliverProcessMessage(int browser_id, CefRefPtr<CefProcessMessage> message,
                             CefProcessId source_process = PID_BROWSER);

  // The newest messages sent to the browser process; older ones are dropped
  // beyond a count and byte budget.
  std::vector<SentMessage> MessagesToBrowser();
  // Every message ever sent to the browser process.
  size_t MessagesToBrowserCount();

  // The newest scripts run in the frame, bounded like the messages.
  std::vector<ScriptRun> ScriptsRun(int browser_id, const std::string& frame_name);

  // Runs |task| on the render thread, for tests of the V8 objects themselves.
  void RunOnRenderThread(const std::function<void()>& task);

 private:
  std::unique_ptr<cef_internal::RendererSession> session_;
};

}  // namespace testing
}  // namespace cef
