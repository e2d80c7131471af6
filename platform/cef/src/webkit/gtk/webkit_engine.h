// The WebKitGTK engine: one web context for the process, set up from the
// engine's settings and switches, and one view per browser. Created,
// used and destroyed on the UI thread (requests from other threads are
// posted there).
#pragma once

#include <webkit2/webkit2.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "src/browser/renderer_channel.h"
#include "src/webkit/engine_backend.h"
#include "src/webkit/gtk/browser_view.h"
#include "src/webkit/gtk/gobject_ptr.h"

namespace cef_internal {

struct EngineOptions {
  std::string cache_path;           // empty: WebKit's default folders
  std::string locale;               // e.g. "zh-CN"; empty: the system's
  bool ignore_certificate_errors = false;
  bool disable_web_security = false;
  std::string web_extension_dir;    // empty: no renderer in the web process
  std::string program;              // the executable the web extension enters as
};

class WebKitEngine : public EngineBackend {
 public:
  explicit WebKitEngine(const EngineOptions& options);
  ~WebKitEngine() override;
  WebKitEngine(const WebKitEngine&) = delete;
  WebKitEngine& operator=(const WebKitEngine&) = delete;

  WebKitWebContext* context() const { return context_.get(); }
  WebKitSettings* settings() const { return settings_.get(); }
  // UI thread. NULL for a browser without a view.
  BrowserView* ViewOf(int browser_id);
  BrowserView* ViewOf(WebKitWebView* view);

  // EngineBackend methods.
  void Attach(CefRefPtr<Browser> browser, const CefString& url) override;
  void Detach(CefRefPtr<Browser> browser) override;
  void LoadURL(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& url) override;
  void LoadString(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& text,
                  const CefString& url) override;
  void ExecuteJavaScript(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& code,
                         const CefString& script_url, int start_line) override;
  void StopLoad(CefRefPtr<Browser> browser) override;
  void GoBy(CefRefPtr<Browser> browser, int offset) override;
  void Reload(CefRefPtr<Browser> browser, bool ignore_cache) override;

 private:
  class PageChannel;

  // Runs |action| on the UI thread with the browser's view, if it still has one.
  void OnView(CefRefPtr<Browser> browser, std::function<void(BrowserView&)> action);

  GObjectPtr<WebKitWebsiteDataManager> data_manager_;
  GObjectPtr<WebKitWebContext> context_;
  GObjectPtr<WebKitSettings> settings_;
  std::shared_ptr<RendererChannel> channel_;
  std::map<int, std::unique_ptr<BrowserView>> views_;
};

}  // namespace cef_internal
