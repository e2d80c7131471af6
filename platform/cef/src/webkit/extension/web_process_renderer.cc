#include "src/webkit/extension/web_process_renderer.h"

#include <map>
#include <string>
#include <thread>

#include "include/cef_render_process_handler.h"
#include "src/threads/task_thread.h"
#include "src/webkit/extension/page_browser.h"
#include "src/webkit/gtk/frame_document_message.h"
#include "src/webkit/gtk/message_arguments.h"

namespace cef_internal {

namespace {

// Tasks for TID_RENDERER run from the web process's GLib main loop.
class MainLoopTaskThread : public TaskThread {
 public:
  MainLoopTaskThread() : id_(std::this_thread::get_id()) {}

  bool Post(CefRefPtr<CefTask> task, int64 delay_ms) override {
    auto* held = new CefRefPtr<CefTask>(task);
    const auto run = [](gpointer data) -> gboolean {
      (*static_cast<CefRefPtr<CefTask>*>(data))->Execute();
      return G_SOURCE_REMOVE;
    };
    const auto drop = [](gpointer data) { delete static_cast<CefRefPtr<CefTask>*>(data); };
    if (delay_ms > 0)
      g_timeout_add_full(G_PRIORITY_DEFAULT, static_cast<guint>(delay_ms), run, held, drop);
    else
      g_idle_add_full(G_PRIORITY_DEFAULT, run, held, drop);
    return true;
  }
  bool BelongsToCurrentThread() const override { return std::this_thread::get_id() == id_; }

 private:
  const std::thread::id id_;
};

struct WebProcess {
  WebKitWebExtension* extension = nullptr;
  CefRefPtr<CefApp> app;
  CefRefPtr<CefRenderProcessHandler> handler;
  std::map<guint64, CefRefPtr<PageBrowser>> browsers;  // by page id
};

WebProcess& Process() {
  static auto* process = new WebProcess;
  return *process;
}

CefRefPtr<PageBrowser> BrowserOf(WebKitWebPage* page) {
  auto found = Process().browsers.find(webkit_web_page_get_id(page));
  return found == Process().browsers.end() ? nullptr : found->second;
}

void ReleaseContext(CefRefPtr<PageBrowser> browser, CefRefPtr<PageFrame> frame) {
  CefRefPtr<JscContext> context = frame->context();
  if (!context)
    return;
  if (Process().handler)
    Process().handler->OnContextReleased(browser.get(), frame.get(), context.get());
  frame->set_context(nullptr);
  context->End();
}

// A new document's window: its old context (if any) ends, a new one begins.
void OnWindowObjectCleared(WebKitScriptWorld* world, WebKitWebPage* page, WebKitFrame* frame, gpointer) {
  CefRefPtr<PageBrowser> browser = BrowserOf(page);
  if (!browser)
    return;
  CefRefPtr<PageFrame> dropped;
  CefRefPtr<PageFrame> page_frame = browser->FrameFor(frame, &dropped);
  if (dropped) {
    ReleaseContext(browser, dropped);
    dropped->Detach();
  }
  ReleaseContext(browser, page_frame);
  if (!webkit_frame_is_main_frame(frame)) {
    CefRefPtr<CefProcessMessage> document = CefProcessMessage::Create(kFrameDocumentMessage);
    document->GetArgumentList()->SetString(0, std::to_string(webkit_frame_get_id(frame)));
    document->GetArgumentList()->SetString(1, page_frame->GetURL());
    browser->SendProcessMessage(PID_BROWSER, document);
  }
  JSCContext* js = webkit_frame_get_js_context_for_script_world(frame, world);
  CefRefPtr<JscContext> context = new JscContext(browser.get(), page_frame.get(), js);
  g_object_unref(js);
  page_frame->set_context(context);
  if (Process().handler)
    Process().handler->OnContextCreated(browser.get(), page_frame.get(), context.get());
}

gboolean OnUserMessage(WebKitWebPage* page, WebKitUserMessage* message, gpointer) {
  CefRefPtr<PageBrowser> browser = BrowserOf(page);
  const char* name = webkit_user_message_get_name(message);
  CefRefPtr<CefProcessMessage> received = CefProcessMessage::Create(name ? name : "");
  if (browser && Process().handler &&
      ArgumentsFromVariant(webkit_user_message_get_parameters(message), received->GetArgumentList()))
    Process().handler->OnProcessMessageReceived(browser.get(), PID_BROWSER, received);
  return TRUE;
}

void OnPageGone(gpointer data, GObject* page) {
  const guint64 id = GPOINTER_TO_SIZE(data);
  auto found = Process().browsers.find(id);
  if (found == Process().browsers.end())
    return;
  CefRefPtr<PageBrowser> browser = found->second;
  Process().browsers.erase(found);
  for (CefRefPtr<PageFrame>& frame : browser->Frames())
    ReleaseContext(browser, frame);
  browser->Close();
  if (Process().handler)
    Process().handler->OnBrowserDestroyed(browser.get());
}

void OnPageCreated(WebKitWebExtension* extension, WebKitWebPage* page, gpointer) {
  const guint64 id = webkit_web_page_get_id(page);
  CefRefPtr<PageBrowser> browser = new PageBrowser(page);
  Process().browsers[id] = browser;
  g_signal_connect(page, "user-message-received", G_CALLBACK(&OnUserMessage), nullptr);
  g_object_weak_ref(G_OBJECT(page), &OnPageGone, GSIZE_TO_POINTER(id));
  if (Process().handler)
    Process().handler->OnBrowserCreated(browser.get());
}

}  // namespace

void UseWebExtension(WebKitWebExtension* extension) { Process().extension = extension; }

int ServeRendererInWebProcess(CefRefPtr<CefApp> app) {
  WebProcess& process = Process();
  if (!process.extension || process.app)
    return 0;
  process.app = app;
  process.handler = app ? app->GetRenderProcessHandler() : nullptr;
  RegisterTaskThread(TID_RENDERER, std::make_shared<MainLoopTaskThread>());
  if (process.handler) {
    process.handler->OnRenderThreadCreated(CefListValue::Create());
    process.handler->OnWebKitInitialized();
  }
  g_signal_connect(process.extension, "page-created", G_CALLBACK(&OnPageCreated), nullptr);
  g_signal_connect(webkit_script_world_get_default(), "window-object-cleared", G_CALLBACK(&OnWindowObjectCleared),
                   nullptr);
  return 0;
}

}  // namespace cef_internal
