// One browser's WebKitWebView: placed over the browser's window, told what
// the client asks, and reporting what the page does to the browser model.
// UI thread only.
#pragma once

#include <webkit2/webkit2.h>

#include <string>
#include <utility>
#include <vector>

#include "include/cef_process_message.h"
#include "src/browser/browser.h"
#include "src/webkit/gtk/gobject_ptr.h"

namespace cef_internal {

class WebKitEngine;

class BrowserView {
 public:
  BrowserView(WebKitEngine* engine, CefRefPtr<Browser> browser);
  // Takes the view out of its place and lets go of it.
  ~BrowserView();
  BrowserView(const BrowserView&) = delete;
  BrowserView& operator=(const BrowserView&) = delete;

  CefRefPtr<Browser> browser() const { return browser_; }
  WebKitWebView* view() const { return view_.get(); }

  void LoadURL(const CefString& url);
  void LoadString(const CefString& text, const CefString& url);
  void ExecuteJavaScript(const CefString& code);
  void StopLoad();
  void GoBy(int offset);
  void Reload(bool ignore_cache);
  void SendToPage(CefRefPtr<CefProcessMessage> message);

 private:
  static gboolean OnDecidePolicy(WebKitWebView* view, WebKitPolicyDecision* decision,
                                 WebKitPolicyDecisionType type, BrowserView* self);
  static void OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, BrowserView* self);
  static gboolean OnLoadFailed(WebKitWebView* view, WebKitLoadEvent event, const char* uri, GError* error,
                               BrowserView* self);
  static void OnTitle(WebKitWebView* view, GParamSpec* spec, BrowserView* self);
  static void OnUri(WebKitWebView* view, GParamSpec* spec, BrowserView* self);
  static GtkWidget* OnCreate(WebKitWebView* view, WebKitNavigationAction* action, BrowserView* self);
  static gboolean OnContextMenu(WebKitWebView* view, WebKitContextMenu* menu, GdkEvent* event,
                                WebKitHitTestResult* hit, BrowserView* self);
  static void OnContextMenuDismissed(WebKitWebView* view, BrowserView* self);
  static gboolean OnUserMessage(WebKitWebView* view, WebKitUserMessage* message, BrowserView* self);
  static void OnWebProcessTerminated(WebKitWebView* view, WebKitWebProcessTerminationReason reason,
                                     BrowserView* self);

  bool DecideNavigation(WebKitNavigationPolicyDecision* decision);
  // The main frame's load started: OnLoadStart with what its decision said.
  void StartLoad();
  Browser::History HistoryOfView() const;

  const CefRefPtr<Browser> browser_;
  GObjectPtr<WebKitWebView> view_;
  // The next navigation WebKit decides was asked for by the client.
  bool client_request_ = false;
  // Navigations WebKit decided (of any frame) since the last load started:
  // address and transition.
  std::vector<std::pair<std::string, cef_transition_type_t>> decided_;
  // The load under way began with OnLoadStart and has not ended yet.
  bool load_open_ = false;
  // The document of the load under way has committed.
  bool committed_ = false;
};

}  // namespace cef_internal
