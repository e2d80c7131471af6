#include "src/webkit/gtk/browser_view.h"

#include <cstring>
#include <string>
#include <utility>

#include "src/browser/page_events.h"
#include "src/browser/renderer_channel.h"
#include "src/core/process_message.h"
#include "src/webkit/bench_trace.h"
#include "src/webkit/gtk/context_menu.h"
#include "src/webkit/gtk/external_protocol.h"
#include "src/webkit/gtk/frame_document_message.h"
#include "src/webkit/gtk/load_dispatch.h"
#include "src/webkit/gtk/load_error.h"
#include "src/webkit/gtk/message_arguments.h"
#include "src/webkit/gtk/message_text.h"
#include "src/webkit/gtk/popups.h"
#include "src/webkit/gtk/transition.h"
#include "src/webkit/gtk/view_placement.h"
#include "src/webkit/gtk/webkit_engine.h"

namespace cef_internal {

namespace {

// Decided navigations kept until their load starts; a page that decides
// more without starting any only replaces the oldest.
const size_t kMaxDecidedNavigations = 32;
const size_t kMaxFramesFollowed = 256;

int StatusOf(WebKitWebView* view) {
  WebKitWebResource* resource = webkit_web_view_get_main_resource(view);
  WebKitURIResponse* response = resource ? webkit_web_resource_get_response(resource) : nullptr;
  const guint status = response ? webkit_uri_response_get_status_code(response) : 0;
  // Documents that come from no server (files, text the client gave) load as 200.
  return status ? static_cast<int>(status) : 200;
}

std::string UriOf(WebKitWebView* view) {
  const char* uri = webkit_web_view_get_uri(view);
  return uri ? uri : "";
}

}  // namespace

BrowserView::BrowserView(WebKitEngine* engine, CefRefPtr<Browser> browser) : browser_(browser) {
  view_ = GObjectPtr<WebKitWebView>::Share(WEBKIT_WEB_VIEW(
      g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", engine->context(), "settings", engine->settings(), nullptr)));
  WebKitWebView* view = view_.get();
  g_signal_connect(view, "decide-policy", G_CALLBACK(&BrowserView::OnDecidePolicy), this);
  g_signal_connect(view, "load-changed", G_CALLBACK(&BrowserView::OnLoadChanged), this);
  g_signal_connect(view, "load-failed", G_CALLBACK(&BrowserView::OnLoadFailed), this);
  g_signal_connect(view, "notify::title", G_CALLBACK(&BrowserView::OnTitle), this);
  g_signal_connect(view, "notify::uri", G_CALLBACK(&BrowserView::OnUri), this);
  g_signal_connect(view, "create", G_CALLBACK(&BrowserView::OnCreate), this);
  g_signal_connect(view, "context-menu", G_CALLBACK(&BrowserView::OnContextMenu), this);
  g_signal_connect(view, "context-menu-dismissed", G_CALLBACK(&BrowserView::OnContextMenuDismissed), this);
  g_signal_connect(view, "user-message-received", G_CALLBACK(&BrowserView::OnUserMessage), this);
  g_signal_connect(view, "web-process-terminated", G_CALLBACK(&BrowserView::OnWebProcessTerminated), this);
  PlaceView(browser_->GetWindowHandle(), GTK_WIDGET(view));
}

BrowserView::~BrowserView() {
  WebKitWebView* view = view_.get();
  g_signal_handlers_disconnect_by_data(view, this);
  webkit_web_view_stop_loading(view);
  UnplaceView(GTK_WIDGET(view));
}

void BrowserView::LoadURL(const CefString& url) {
  client_request_ = true;
  webkit_web_view_load_uri(view_.get(), url.ToString().c_str());
}

// The text stands for the document at |url|: reloading it loads |url| itself.
void BrowserView::LoadString(const CefString& text, const CefString& url) {
  client_request_ = true;
  const std::string address = url.empty() ? std::string("about:blank") : url.ToString();
  webkit_web_view_load_alternate_html(view_.get(), text.ToString().c_str(), address.c_str(), nullptr);
}

void BrowserView::ExecuteJavaScript(const CefString& code) {
  const std::string script = code.ToString();
  webkit_web_view_evaluate_javascript(view_.get(), script.c_str(), static_cast<gssize>(script.size()), nullptr,
                                      nullptr, nullptr, nullptr, nullptr);
}

void BrowserView::StopLoad() { webkit_web_view_stop_loading(view_.get()); }

void BrowserView::GoBy(int offset) {
  WebKitBackForwardList* list = webkit_web_view_get_back_forward_list(view_.get());
  if (WebKitBackForwardListItem* item = webkit_back_forward_list_get_nth_item(list, offset))
    webkit_web_view_go_to_back_forward_list_item(view_.get(), item);
}

void BrowserView::Reload(bool ignore_cache) {
  if (ignore_cache)
    webkit_web_view_reload_bypass_cache(view_.get());
  else
    webkit_web_view_reload(view_.get());
}

void BrowserView::SendToPage(CefRefPtr<CefProcessMessage> message) {
  WebKitUserMessage* user_message = webkit_user_message_new(
      message->GetName().ToString().c_str(), ArgumentsToVariant(message->GetArgumentList()));
  webkit_web_view_send_message_to_page(view_.get(), user_message, nullptr, nullptr, nullptr);
}

Browser::History BrowserView::HistoryOfView() const {
  Browser::History history;
  WebKitBackForwardList* list = webkit_web_view_get_back_forward_list(view_.get());
  GList* back = webkit_back_forward_list_get_back_list(list);
  GList* forward = webkit_back_forward_list_get_forward_list(list);
  const int back_count = static_cast<int>(g_list_length(back));
  const int forward_count = static_cast<int>(g_list_length(forward));
  g_list_free(back);
  g_list_free(forward);
  for (int offset = -back_count; offset <= forward_count; ++offset) {
    WebKitBackForwardListItem* item = webkit_back_forward_list_get_nth_item(list, offset);
    const char* uri = item ? webkit_back_forward_list_item_get_uri(item) : nullptr;
    if (!uri)
      continue;
    if (offset == 0)
      history.current = static_cast<int>(history.entries.size());
    history.entries.push_back(CefString(uri));
  }
  return history;
}

// What WebKit cannot load (e.g. "app:", "spotify:") never starts a load: the
// client sees the load start, may stop it, and may hand the address to the
// system; either way the page stays and the load ends as aborted.
bool BrowserView::DecideNavigation(WebKitNavigationPolicyDecision* decision) {
  WebKitNavigationAction* action = webkit_navigation_policy_decision_get_navigation_action(decision);
  const char* uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
  const std::string url = uri ? uri : "";
  NavigationFacts facts;
  facts.type = webkit_navigation_action_get_navigation_type(action);
  facts.redirect = webkit_navigation_action_is_redirect(action);
  facts.user_gesture = webkit_navigation_action_is_user_gesture(action);
  facts.requested_by_client = client_request_;
  const cef_transition_type_t transition = TransitionOf(facts);

  if (IsLoadableScheme(url)) {
    if (decided_.size() >= kMaxDecidedNavigations)
      decided_.erase(decided_.begin());
    decided_.emplace_back(url, transition);
    webkit_policy_decision_use(WEBKIT_POLICY_DECISION(decision));
    return true;
  }
  webkit_policy_decision_ignore(WEBKIT_POLICY_DECISION(decision));
  client_request_ = false;
  CefRefPtr<Frame> frame = browser_->MainFrame();
  if (!frame)
    return true;
  const CefString previous_url = frame->GetURL();
  if (!BeginLoad(browser_, frame, url, transition))
    return true;
  HandToSystem(browser_, url);
  frame->SetURL(previous_url);
  EndLoadWithError(browser_, frame, url, ERR_ABORTED, "net::ERR_ABORTED");
  return true;
}

// The view's address may still be the old document's when its load starts;
// the navigation decided last is the one starting (frames of the new
// document decide only once it has started).
void BrowserView::StartLoad() {
  std::string url = UriOf(view_.get());
  cef_transition_type_t transition = client_request_ ? TT_EXPLICIT : TT_LINK;
  if (!decided_.empty()) {
    url = decided_.back().first;
    transition = decided_.back().second;
  }
  decided_.clear();
  client_request_ = false;
  CefRefPtr<Frame> frame = browser_->MainFrame();
  if (!frame)
    return;
  committed_ = false;
  load_open_ = BeginLoad(browser_, frame, url, transition);
  if (!load_open_)
    webkit_web_view_stop_loading(view_.get());
}

// A document WebKit cannot show is downloaded; the load it came from ends
// as aborted.
gboolean BrowserView::OnDecidePolicy(WebKitWebView* view, WebKitPolicyDecision* decision,
                                     WebKitPolicyDecisionType type, BrowserView* self) {
  if (type == WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION)
    return self->DecideNavigation(WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE &&
      !webkit_response_policy_decision_is_mime_type_supported(WEBKIT_RESPONSE_POLICY_DECISION(decision))) {
    webkit_policy_decision_download(decision);
    return TRUE;
  }
  return FALSE;
}

void BrowserView::OnLoadChanged(WebKitWebView* view, WebKitLoadEvent event, BrowserView* self) {
  CefRefPtr<Frame> frame = self->browser_->MainFrame();
  if (!frame)
    return;
  switch (event) {
    case WEBKIT_LOAD_STARTED:
      self->StartLoad();
      break;
    case WEBKIT_LOAD_REDIRECTED:
      if (self->load_open_)
        frame->SetURL(UriOf(view));
      break;
    case WEBKIT_LOAD_COMMITTED:
      self->committed_ = true;
      if (self->load_open_)
        CommitLoad(self->browser_, frame, UriOf(view), self->HistoryOfView());
      break;
    case WEBKIT_LOAD_FINISHED:
      if (self->load_open_) {
        self->load_open_ = false;
        EndLoad(self->browser_, frame, StatusOf(view));
      }
      break;
  }
}

// WebKit's own error page never shows: the client decides what the frame
// shows instead. A load the client already ended (stopped in OnLoadStart)
// is not reported twice.
gboolean BrowserView::OnLoadFailed(WebKitWebView* view, WebKitLoadEvent event, const char* uri, GError* error,
                                   BrowserView* self) {
  const LoadError failure = LoadErrorOf(error);
  CefRefPtr<Frame> frame = self->browser_->MainFrame();
  if (!frame)
    return TRUE;
  if (!self->load_open_ && failure.code == ERR_ABORTED)
    return TRUE;
  self->load_open_ = false;
  // A load that never committed leaves the frame at its last document.
  if (!self->committed_) {
    const std::vector<CefString> history = frame->History();
    frame->SetURL(history.empty() ? CefString() : history.back());
  }
  EndLoadWithError(self->browser_, frame, uri ? uri : "", failure.code, failure.text);
  return TRUE;
}

void BrowserView::OnTitle(WebKitWebView* view, GParamSpec* spec, BrowserView* self) {
  const char* title = webkit_web_view_get_title(view);
  ChangeTitle(self->browser_, title ? title : "");
}

// Moves inside the document (fragments, history.pushState) change the
// address without a load.
void BrowserView::OnUri(WebKitWebView* view, GParamSpec* spec, BrowserView* self) {
  if (self->load_open_ || webkit_web_view_is_loading(view))
    return;
  CefRefPtr<Frame> frame = self->browser_->MainFrame();
  const std::string url = UriOf(view);
  if (frame && !url.empty() && frame->GetURL().ToString() != url)
    ChangeAddress(self->browser_, frame, url);
}

GtkWidget* BrowserView::OnCreate(WebKitWebView* view, WebKitNavigationAction* action, BrowserView* self) {
  return AskForPopup(self->browser_, view, action);
}

gboolean BrowserView::OnContextMenu(WebKitWebView* view, WebKitContextMenu* menu, GdkEvent* event,
                                    WebKitHitTestResult* hit, BrowserView* self) {
  return PrepareContextMenu(self->browser_, view, menu, event, hit) ? FALSE : TRUE;
}

void BrowserView::OnContextMenuDismissed(WebKitWebView* view, BrowserView* self) {
  ContextMenuDismissed(self->browser_);
}

gboolean BrowserView::OnUserMessage(WebKitWebView* view, WebKitUserMessage* message, BrowserView* self) {
  const char* name = webkit_user_message_get_name(message);
  name = name ? name : "";
  CefRefPtr<CefProcessMessage> received = CefProcessMessage::Create(Utf16OfUtf8(name, std::strlen(name)));
  CefRefPtr<CefListValue> arguments = received->GetArgumentList();
  if (!ArgumentsFromVariant(webkit_user_message_get_parameters(message), arguments))
    return TRUE;
  if (std::strcmp(name, kFrameDocumentMessage) == 0) {
    // Inline frames are known by WebKit's id; they have no other name here.
    // A page that makes frames without end is not followed beyond the bound.
    if (arguments->GetSize() != 2 || arguments->GetType(0) != VTYPE_STRING || arguments->GetType(1) != VTYPE_STRING)
      return TRUE;
    const std::string name = "frame-" + arguments->GetString(0).ToString();
    if (self->browser_->GetFrame(CefString(name)) || self->browser_->GetFrameCount() < kMaxFramesFollowed)
      ReportFrameDocument(self->browser_, self->browser_->FrameNamed(name), arguments->GetString(1));
    return TRUE;
  }
  DeliverToBrowser(self->browser_->GetIdentifier(), received);
  BenchTrace("message-handled");
  return TRUE;
}

// The view stays: a reload starts a new web process and brings the page back.
void BrowserView::OnWebProcessTerminated(WebKitWebView* view, WebKitWebProcessTerminationReason reason,
                                         BrowserView* self) {
  self->decided_.clear();
  CefRefPtr<Frame> frame = self->browser_->MainFrame();
  if (self->load_open_ && frame) {
    self->load_open_ = false;
    EndLoadWithError(self->browser_, frame, frame->GetURL(), ERR_ABORTED, "net::ERR_ABORTED");
  }
  TerminateRenderer(self->browser_, reason == WEBKIT_WEB_PROCESS_CRASHED ? TS_PROCESS_CRASHED
                                                                          : TS_PROCESS_WAS_KILLED);
}

}  // namespace cef_internal
