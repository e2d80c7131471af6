// The seam between a browser and its renderer. Messages a browser sends to
// its renderer go to the connected channel (none until a renderer transport
// connects one); messages from a renderer come in through DeliverToBrowser.
#pragma once

#include <memory>

#include "include/cef_process_message.h"

namespace cef_internal {

class RendererChannel {
 public:
  virtual ~RendererChannel() = default;
  // Any thread. |message| is read-only.
  virtual void Deliver(int browser_id, CefRefPtr<CefProcessMessage> message) = 0;
};

// Replaces the channel; NULL disconnects it.
void ConnectRendererChannel(std::shared_ptr<RendererChannel> channel);
void DeliverToRenderer(int browser_id, CefRefPtr<CefProcessMessage> message);

// UI thread. Hands a renderer's message to the client of browser |browser_id|
// and returns the client's answer (false for an unknown or closed browser).
bool DeliverToBrowser(int browser_id, CefRefPtr<CefProcessMessage> message);

}  // namespace cef_internal
