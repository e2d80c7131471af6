#include "src/renderer/renderer_session.h"

#include <algorithm>

#include "include/cef_values.h"

namespace cef_internal {

namespace {

const size_t kMaxMessagesKept = 1024;
const size_t kMaxMessageBytesKept = 64 << 20;

size_t SizeOf(CefRefPtr<CefProcessMessage> message) {
  size_t bytes = sizeof(MessageToBrowser) + message->GetName().length() * sizeof(char16);
  CefRefPtr<CefListValue> args = message->GetArgumentList();
  const int count = static_cast<int>(args->GetSize());
  for (int i = 0; i < count; ++i) {
    bytes += sizeof(void*);
    if (args->GetType(i) == VTYPE_STRING)
      bytes += args->GetString(i).length() * sizeof(char16);
  }
  return bytes;
}

}  // namespace

RendererSession::RendererSession(CefRefPtr<CefApp> app)
    : thread_(RenderThread::Start()), to_browser_(kMaxMessagesKept, kMaxMessageBytesKept) {
  thread_->Run([this, app] {
    app_ = app;
    if (app_)
      handler_ = app_->GetRenderProcessHandler();
    if (handler_) {
      handler_->OnRenderThreadCreated(CefListValue::Create());
      handler_->OnWebKitInitialized();
    }
  });
}

RendererSession::~RendererSession() {
  thread_->Run([this] {
    while (!browsers_.empty())
      DestroyBrowser(browsers_.begin()->first);
    handler_ = nullptr;
    app_ = nullptr;
  });
  thread_->Stop();
}

CefRefPtr<RendererBrowser> RendererSession::CreateBrowser(int browser_id) {
  if (CefRefPtr<RendererBrowser> existing = GetBrowser(browser_id))
    return existing;
  if (browser_id <= 0)
    browser_id = next_browser_id_;
  next_browser_id_ = std::max(next_browser_id_, browser_id + 1);
  CefRefPtr<RendererBrowser> browser = new RendererBrowser(this, browser_id);
  browsers_[browser->GetIdentifier()] = browser;
  if (handler_)
    handler_->OnBrowserCreated(browser.get());
  return browser;
}

void RendererSession::DestroyBrowser(int browser_id) {
  auto it = browsers_.find(browser_id);
  if (it == browsers_.end())
    return;
  CefRefPtr<RendererBrowser> browser = it->second;
  browsers_.erase(it);
  browser->Close();
  if (handler_)
    handler_->OnBrowserDestroyed(browser.get());
}

CefRefPtr<RendererBrowser> RendererSession::GetBrowser(int browser_id) const {
  auto it = browsers_.find(browser_id);
  return it == browsers_.end() ? nullptr : it->second;
}

bool RendererSession::DeliverMessage(int browser_id, CefProcessId source_process,
                                     CefRefPtr<CefProcessMessage> message) {
  CefRefPtr<RendererBrowser> browser = GetBrowser(browser_id);
  if (!browser || !message || !handler_)
    return false;
  return handler_->OnProcessMessageReceived(browser.get(), source_process, message);
}

void RendererSession::SendToBrowser(int browser_id, CefRefPtr<CefProcessMessage> message) {
  if (sink_) {
    sink_(browser_id, message);
    return;
  }
  MessageToBrowser entry;
  entry.browser_id = browser_id;
  entry.message = message;
  to_browser_.Add(entry, SizeOf(message));
}

}  // namespace cef_internal
