#include "src/webkit/gtk/webkit_engine.h"

#include <utility>
#include <vector>

#include "include/wrapper/cef_closure_task.h"
#include "src/webkit/gtk/downloads.h"

namespace cef_internal {

namespace {

WebKitEngine* g_running = nullptr;  // UI thread only

GObjectPtr<WebKitWebsiteDataManager> MakeDataManager(const EngineOptions& options) {
  GObjectPtr<WebKitWebsiteDataManager> manager;
  if (options.cache_path.empty()) {
    manager = GObjectPtr<WebKitWebsiteDataManager>::Adopt(webkit_website_data_manager_new(nullptr));
  } else {
    manager = GObjectPtr<WebKitWebsiteDataManager>::Adopt(webkit_website_data_manager_new(
        "base-cache-directory", options.cache_path.c_str(), "base-data-directory", options.cache_path.c_str(),
        nullptr));
  }
  webkit_website_data_manager_set_tls_errors_policy(
      manager.get(), options.ignore_certificate_errors ? WEBKIT_TLS_ERRORS_POLICY_IGNORE : WEBKIT_TLS_ERRORS_POLICY_FAIL);
  return manager;
}

}  // namespace

// Messages for a renderer go to the web process of the browser's view.
class WebKitEngine::PageChannel : public RendererChannel {
 public:
  void Deliver(int browser_id, CefRefPtr<CefProcessMessage> message) override {
    CefPostTask(TID_UI, base::Closure(std::function<void()>([browser_id, message] {
                  if (g_running)
                    if (BrowserView* view = g_running->ViewOf(browser_id))
                      view->SendToPage(message);
                })));
  }
};

WebKitEngine::WebKitEngine(const EngineOptions& options) : data_manager_(MakeDataManager(options)) {
  context_ = GObjectPtr<WebKitWebContext>::Adopt(webkit_web_context_new_with_website_data_manager(data_manager_.get()));
  if (!options.locale.empty()) {
    const char* const languages[] = {options.locale.c_str(), nullptr};
    webkit_web_context_set_preferred_languages(context_.get(), languages);
  }
  if (!options.web_extension_dir.empty()) {
    webkit_web_context_set_web_extensions_directory(context_.get(), options.web_extension_dir.c_str());
    webkit_web_context_set_web_extensions_initialization_user_data(
        context_.get(), g_variant_new_string(options.program.c_str()));
  }
  settings_ = GObjectPtr<WebKitSettings>::Adopt(webkit_settings_new());
  webkit_settings_set_enable_developer_extras(settings_.get(), FALSE);
  webkit_settings_set_javascript_can_open_windows_automatically(settings_.get(), TRUE);
  if (options.disable_web_security)
    webkit_settings_set_disable_web_security(settings_.get(), TRUE);
  HandleDownloads(context_.get(), [](WebKitWebView* view) -> CefRefPtr<Browser> {
    BrowserView* found = g_running ? g_running->ViewOf(view) : nullptr;
    return found ? found->browser() : nullptr;
  });
  channel_ = std::make_shared<PageChannel>();
  ConnectRendererChannel(channel_);
  g_running = this;
}

WebKitEngine::~WebKitEngine() {
  g_running = nullptr;
  ConnectRendererChannel(nullptr);
  views_.clear();
}

BrowserView* WebKitEngine::ViewOf(int browser_id) {
  auto found = views_.find(browser_id);
  return found == views_.end() ? nullptr : found->second.get();
}

BrowserView* WebKitEngine::ViewOf(WebKitWebView* view) {
  for (auto& [id, each] : views_) {
    if (each->view() == view)
      return each.get();
  }
  return nullptr;
}

void WebKitEngine::Attach(CefRefPtr<Browser> browser, const CefString& url) {
  auto view = std::make_unique<BrowserView>(this, browser);
  BrowserView* placed = view.get();
  views_[browser->GetIdentifier()] = std::move(view);
  if (!url.empty())
    placed->LoadURL(url);
}

void WebKitEngine::Detach(CefRefPtr<Browser> browser) { views_.erase(browser->GetIdentifier()); }

void WebKitEngine::OnView(CefRefPtr<Browser> browser, std::function<void(BrowserView&)> action) {
  const int id = browser->GetIdentifier();
  CefPostTask(TID_UI, base::Closure(std::function<void()>([id, action] {
                if (g_running)
                  if (BrowserView* view = g_running->ViewOf(id))
                    action(*view);
              })));
}

void WebKitEngine::LoadURL(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& url) {
  OnView(browser, [url](BrowserView& view) { view.LoadURL(url); });
}

void WebKitEngine::LoadString(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& text,
                              const CefString& url) {
  OnView(browser, [text, url](BrowserView& view) { view.LoadString(text, url); });
}

void WebKitEngine::ExecuteJavaScript(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& code,
                                     const CefString& script_url, int start_line) {
  OnView(browser, [code](BrowserView& view) { view.ExecuteJavaScript(code); });
}

void WebKitEngine::StopLoad(CefRefPtr<Browser> browser) {
  OnView(browser, [](BrowserView& view) { view.StopLoad(); });
}

void WebKitEngine::GoBy(CefRefPtr<Browser> browser, int offset) {
  OnView(browser, [offset](BrowserView& view) { view.GoBy(offset); });
}

void WebKitEngine::Reload(CefRefPtr<Browser> browser, bool ignore_cache) {
  OnView(browser, [ignore_cache](BrowserView& view) { view.Reload(ignore_cache); });
}

}  // namespace cef_internal
