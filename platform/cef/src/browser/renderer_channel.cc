#include "src/browser/renderer_channel.h"

#include <mutex>

#include "src/browser/browser_registry.h"
#include "src/core/process_message.h"

namespace cef_internal {

namespace {

std::mutex g_lock;
std::shared_ptr<RendererChannel>& Channel() {
  static std::shared_ptr<RendererChannel>* channel = new std::shared_ptr<RendererChannel>;
  return *channel;
}

}  // namespace

void ConnectRendererChannel(std::shared_ptr<RendererChannel> channel) {
  std::lock_guard<std::mutex> held(g_lock);
  Channel() = std::move(channel);
}

void DeliverToRenderer(int browser_id, CefRefPtr<CefProcessMessage> message) {
  std::shared_ptr<RendererChannel> channel;
  {
    std::lock_guard<std::mutex> held(g_lock);
    channel = Channel();
  }
  if (channel)
    channel->Deliver(browser_id, message);
}

bool DeliverToBrowser(int browser_id, CefRefPtr<CefProcessMessage> message) {
  if (!message)
    return false;
  CefRefPtr<Browser> browser;
  for (const CefRefPtr<Browser>& each : BrowserRegistry::Get().All()) {
    if (each->GetIdentifier() == browser_id && !each->IsClosed())
      browser = each;
  }
  CefRefPtr<CefClient> client = browser ? browser->GetClient() : NULL;
  if (!client)
    return false;
  if (ProcessMessage* received = dynamic_cast<ProcessMessage*>(message.get()))
    received->SetReadOnly();
  return client->OnProcessMessageReceived(browser.get(), PID_RENDERER, message);
}

}  // namespace cef_internal
