// One renderer: the application's render process handler, the browsers it
// shows and the messages it sends to the browser process. Apart from the
// constructor and destructor, call it only on its render thread.
#pragma once

#include <functional>
#include <map>
#include <memory>

#include "include/cef_app.h"
#include "include/cef_render_process_handler.h"
#include "src/renderer/bounded_log.h"
#include "src/renderer/render_thread.h"
#include "src/renderer/renderer_browser.h"

namespace cef_internal {

// A process message on its way to the browser process.
struct MessageToBrowser {
  int browser_id = 0;
  CefRefPtr<CefProcessMessage> message;
};

class RendererSession {
 public:
  // Starts the render thread and there tells the application that the
  // renderer is up (OnRenderThreadCreated, OnWebKitInitialized).
  explicit RendererSession(CefRefPtr<CefApp> app);
  // Closes every browser on the render thread, then stops it.
  ~RendererSession();
  RendererSession(const RendererSession&) = delete;
  RendererSession& operator=(const RendererSession&) = delete;

  RenderThread& thread() { return *thread_; }

  // NULL when the application has none.
  CefRefPtr<CefRenderProcessHandler> handler() const { return handler_; }

  // |browser_id| 0 takes the next free id; an id in use gives that browser.
  CefRefPtr<RendererBrowser> CreateBrowser(int browser_id = 0);
  // Releases the browser's contexts, then OnBrowserDestroyed.
  void DestroyBrowser(int browser_id);
  CefRefPtr<RendererBrowser> GetBrowser(int browser_id) const;

  // A message from the browser process; returns whether the application
  // handled it. False for an unknown browser.
  bool DeliverMessage(int browser_id, CefProcessId source_process,
                      CefRefPtr<CefProcessMessage> message);

  // Where messages to the browser process go once the renderer is connected
  // to one.
  typedef std::function<void(int browser_id, CefRefPtr<CefProcessMessage> message)> BrowserSink;
  void set_browser_sink(BrowserSink sink) { sink_ = std::move(sink); }

  void SendToBrowser(int browser_id, CefRefPtr<CefProcessMessage> message);
  // With no browser process to talk to, sent messages end here.
  const BoundedLog<MessageToBrowser>& messages_to_browser() const { return to_browser_; }

 private:
  std::shared_ptr<RenderThread> thread_;
  CefRefPtr<CefApp> app_;
  CefRefPtr<CefRenderProcessHandler> handler_;
  std::map<int, CefRefPtr<RendererBrowser>> browsers_;
  int next_browser_id_ = 1;
  BoundedLog<MessageToBrowser> to_browser_;
  BrowserSink sink_;
};

}  // namespace cef_internal
