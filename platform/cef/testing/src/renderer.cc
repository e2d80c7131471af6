#include "cef/testing/renderer.h"

#include "src/renderer/page_call.h"
#include "src/renderer/renderer_session.h"

namespace cef {
namespace testing {

using cef_internal::RendererBrowser;
using cef_internal::RendererFrame;
using cef_internal::V8ContextImpl;

const char kMainFrame[] = "";

namespace {

// The context of the frame's current document, or NULL.
CefRefPtr<V8ContextImpl> FindContext(cef_internal::RendererSession& session, int browser_id,
                                     const std::string& frame_name) {
  CefRefPtr<RendererBrowser> browser = session.GetBrowser(browser_id);
  if (!browser)
    return nullptr;
  CefRefPtr<RendererFrame> frame = browser->FindFrame(frame_name);
  return frame ? frame->context() : nullptr;
}

}  // namespace

RendererSession::RendererSession(CefRefPtr<CefApp> app)
    : session_(new cef_internal::RendererSession(app)) {}

RendererSession::~RendererSession() = default;

int RendererSession::CreateBrowser() {
  int id = 0;
  RunOnRenderThread([&] { id = session_->CreateBrowser()->GetIdentifier(); });
  return id;
}

void RendererSession::DestroyBrowser(int browser_id) {
  RunOnRenderThread([&] { session_->DestroyBrowser(browser_id); });
}

CefRefPtr<CefBrowser> RendererSession::GetBrowser(int browser_id) {
  CefRefPtr<CefBrowser> browser;
  RunOnRenderThread([&] { browser = session_->GetBrowser(browser_id).get(); });
  return browser;
}

void RendererSession::LoadDocument(int browser_id, const std::string& url) {
  RunOnRenderThread([&] {
    if (CefRefPtr<RendererBrowser> browser = session_->GetBrowser(browser_id))
      browser->Navigate(browser->FindFrame(kMainFrame), url, CefString());
  });
}

bool RendererSession::LoadInlineFrame(int browser_id, const std::string& frame_name,
                                      const std::string& url) {
  bool loaded = false;
  RunOnRenderThread([&] {
    CefRefPtr<RendererBrowser> browser = session_->GetBrowser(browser_id);
    if (!browser || !browser->HasDocument() || frame_name.empty())
      return;
    if (CefRefPtr<RendererFrame> frame = browser->FindFrame(frame_name))
      browser->Navigate(frame, url, CefString());
    else
      browser->AddInlineFrame(frame_name, url, CefString());
    loaded = true;
  });
  return loaded;
}

void RendererSession::Reload(int browser_id) {
  RunOnRenderThread([&] {
    if (CefRefPtr<RendererBrowser> browser = session_->GetBrowser(browser_id))
      browser->ReloadDocuments();
  });
}

PageCallResult RendererSession::CallGlobalFunction(int browser_id, const std::string& frame_name,
                                                   const std::string& name,
                                                   const CefV8ValueList& arguments) {
  PageCallResult result;
  RunOnRenderThread([&] {
    CefString exception;
    result.value = cef_internal::CallPageFunction(*session_, browser_id, frame_name, name,
                                                  arguments, &exception);
    result.exception = exception.ToString();
  });
  return result;
}

bool RendererSession::AssignGlobal(int browser_id, const std::string& frame_name,
                                   const std::string& name, CefRefPtr<CefV8Value> value) {
  bool assigned = false;
  RunOnRenderThread([&] {
    if (CefRefPtr<V8ContextImpl> context = FindContext(*session_, browser_id, frame_name))
      assigned = context->global()->Assign(name, value);
  });
  return assigned;
}

CefRefPtr<CefV8Value> RendererSession::GetGlobal(int browser_id, const std::string& frame_name,
                                                 const std::string& name) {
  CefRefPtr<CefV8Value> value;
  RunOnRenderThread([&] {
    if (CefRefPtr<V8ContextImpl> context = FindContext(*session_, browser_id, frame_name))
      value = context->global()->GetValue(name);
  });
  return value;
}

bool RendererSession::DeliverProcessMessage(int browser_id, CefRefPtr<CefProcessMessage> message,
                                            CefProcessId source_process) {
  bool handled = false;
  RunOnRenderThread(
      [&] { handled = session_->DeliverMessage(browser_id, source_process, message); });
  return handled;
}

std::vector<SentMessage> RendererSession::MessagesToBrowser() {
  std::vector<SentMessage> messages;
  RunOnRenderThread([&] {
    for (const cef_internal::MessageToBrowser& sent : session_->messages_to_browser().Entries())
      messages.push_back(SentMessage{sent.browser_id, sent.message});
  });
  return messages;
}

size_t RendererSession::MessagesToBrowserCount() {
  size_t count = 0;
  RunOnRenderThread([&] { count = session_->messages_to_browser().total(); });
  return count;
}

std::vector<ScriptRun> RendererSession::ScriptsRun(int browser_id,
                                                   const std::string& frame_name) {
  std::vector<ScriptRun> scripts;
  RunOnRenderThread([&] {
    CefRefPtr<RendererBrowser> browser = session_->GetBrowser(browser_id);
    CefRefPtr<RendererFrame> frame = browser ? browser->FindFrame(frame_name) : nullptr;
    if (!frame)
      return;
    for (const cef_internal::ExecutedScript& script : frame->scripts().Entries())
      scripts.push_back(ScriptRun{script.code.ToString(), script.url.ToString(),
                                  script.start_line});
  });
  return scripts;
}

void RendererSession::RunOnRenderThread(const std::function<void()>& task) {
  session_->thread().Run(task);
}

}  // namespace testing
}  // namespace cef
