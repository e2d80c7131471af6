// A client that records every engine callback it gets (name and whether it
// came on the UI thread) and answers as each test sets it up.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "include/cef_client.h"
#include "include/cef_task.h"

class RecordingClient : public CefClient,
                        public CefContextMenuHandler,
                        public CefDisplayHandler,
                        public CefDownloadHandler,
                        public CefLifeSpanHandler,
                        public CefLoadHandler,
                        public CefRequestHandler {
 public:
  struct Call {
    std::string name;
    std::string detail;
    bool on_ui_thread;
  };

  std::vector<Call> Calls() {
    std::lock_guard<std::mutex> held(lock_);
    return calls_;
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const Call& call : Calls())
      names.push_back(call.name);
    return names;
  }
  bool AllOnUiThread() {
    for (const Call& call : Calls()) {
      if (!call.on_ui_thread)
        return false;
    }
    return true;
  }
  void Forget() {
    std::lock_guard<std::mutex> held(lock_);
    calls_.clear();
  }

  // Answers and hooks, set before the engine calls.
  std::function<void(CefRefPtr<CefBrowser>)> on_load_start;
  std::function<void(CefRefPtr<CefMenuModel>)> on_before_context_menu;
  std::function<void(CefRefPtr<CefBeforeDownloadCallback>)> on_before_download;
  std::function<void(CefRefPtr<CefDownloadItem>, CefRefPtr<CefDownloadItemCallback>)> on_download_updated;
  std::function<void(CefWindowInfo&, bool*)> on_before_popup;
  bool suppress_popups = false;
  bool handle_commands = false;
  bool allow_protocols = false;
  bool handle_messages = false;
  bool keep_window_on_close = false;
  CefRefPtr<CefBrowser> last_browser;

  // CefClient
  CefRefPtr<CefContextMenuHandler> GetContextMenuHandler() override { return this; }
  CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }
  CefRefPtr<CefDownloadHandler> GetDownloadHandler() override { return this; }
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }
  CefRefPtr<CefRequestHandler> GetRequestHandler() override { return this; }
  bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser, CefProcessId source_process,
                                CefRefPtr<CefProcessMessage> message) override {
    Record("OnProcessMessageReceived", message->GetName().ToString() + (message->IsReadOnly() ? " ro" : " rw"));
    return handle_messages;
  }

  // CefContextMenuHandler
  void OnBeforeContextMenu(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                           CefRefPtr<CefContextMenuParams> params, CefRefPtr<CefMenuModel> model) override {
    Record("OnBeforeContextMenu");
    if (on_before_context_menu)
      on_before_context_menu(model);
  }
  bool OnContextMenuCommand(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                            CefRefPtr<CefContextMenuParams> params, int command_id, EventFlags event_flags) override {
    Record("OnContextMenuCommand", std::to_string(command_id));
    return handle_commands;
  }
  void OnContextMenuDismissed(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame) override {
    Record("OnContextMenuDismissed");
  }

  // CefDisplayHandler
  void OnAddressChange(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& url) override {
    Record("OnAddressChange", url.ToString());
  }
  void OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) override {
    Record("OnTitleChange", title.ToString());
  }

  // CefDownloadHandler
  void OnBeforeDownload(CefRefPtr<CefBrowser> browser, CefRefPtr<CefDownloadItem> download_item,
                        const CefString& suggested_name, CefRefPtr<CefBeforeDownloadCallback> callback) override {
    Record("OnBeforeDownload", suggested_name.ToString());
    if (on_before_download)
      on_before_download(callback);
  }
  void OnDownloadUpdated(CefRefPtr<CefBrowser> browser, CefRefPtr<CefDownloadItem> download_item,
                         CefRefPtr<CefDownloadItemCallback> callback) override {
    Record("OnDownloadUpdated", std::string(download_item->IsComplete() ? "complete " : "progress ") +
                                    download_item->GetFullPath().ToString());
    if (on_download_updated)
      on_download_updated(download_item, callback);
  }

  // CefLifeSpanHandler
  bool OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& target_url,
                     const CefString& target_frame_name, CefLifeSpanHandler::WindowOpenDisposition target_disposition, bool user_gesture,
                     const CefPopupFeatures& popupFeatures, CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client,
                     CefBrowserSettings& settings, bool* no_javascript_access) override {
    Record("OnBeforePopup", target_url.ToString());
    if (on_before_popup)
      on_before_popup(windowInfo, no_javascript_access);
    return suppress_popups;
  }
  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override {
    Record("OnAfterCreated");
    last_browser = browser;
  }
  bool DoClose(CefRefPtr<CefBrowser> browser) override {
    Record("DoClose");
    return keep_window_on_close;
  }
  void OnBeforeClose(CefRefPtr<CefBrowser> browser) override {
    Record("OnBeforeClose");
    last_browser = NULL;
  }

  // CefLoadHandler
  void OnLoadingStateChange(CefRefPtr<CefBrowser> browser, bool isLoading, bool canGoBack,
                            bool canGoForward) override {
    Record("OnLoadingStateChange", std::string(isLoading ? "loading" : "idle") + (canGoBack ? " back" : ""));
  }
  void OnLoadStart(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, TransitionType transition_type) override {
    Record("OnLoadStart", frame->GetURL().ToString() + " " + std::to_string(transition_type));
    if (on_load_start)
      on_load_start(browser);
  }
  void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int httpStatusCode) override {
    Record("OnLoadEnd", frame->GetURL().ToString() + " " + std::to_string(httpStatusCode));
  }
  void OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, ErrorCode errorCode,
                   const CefString& errorText, const CefString& failedUrl) override {
    Record("OnLoadError", std::to_string(errorCode) + " " + failedUrl.ToString());
  }

  // CefRequestHandler
  void OnProtocolExecution(CefRefPtr<CefBrowser> browser, const CefString& url, bool& allow_os_execution) override {
    Record("OnProtocolExecution", url.ToString());
    if (allow_protocols)
      allow_os_execution = true;
  }
  void OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser, TerminationStatus status) override {
    Record("OnRenderProcessTerminated", std::to_string(status));
  }

 private:
  void Record(const std::string& name, const std::string& detail = std::string()) {
    std::lock_guard<std::mutex> held(lock_);
    calls_.push_back({name, detail, CefCurrentlyOn(TID_UI)});
  }

  std::mutex lock_;
  std::vector<Call> calls_;

  IMPLEMENT_REFCOUNTING(RecordingClient);
};
