#include "src/webkit/extension/page_browser.h"

#include <string>

#include "src/webkit/gtk/message_arguments.h"
#include "src/webkit/gtk/message_text.h"

namespace cef_internal {

namespace {

const size_t kMaxFrames = 256;

}  // namespace

PageBrowser::PageBrowser(WebKitWebPage* page)
    : page_(page), identifier_(static_cast<int>(webkit_web_page_get_id(page))) {}

CefRefPtr<PageFrame> PageBrowser::FrameFor(WebKitFrame* frame, CefRefPtr<PageFrame>* dropped) {
  const guint64 id = webkit_frame_get_id(frame);
  auto found = frames_.find(id);
  if (found != frames_.end())
    return found->second;
  if (frames_.size() >= kMaxFrames) {
    for (auto it = frames_.begin(); it != frames_.end(); ++it) {
      if (!it->second->IsMain()) {
        *dropped = it->second;
        frames_.erase(it);
        break;
      }
    }
  }
  CefRefPtr<PageFrame> made = new PageFrame(this, frame);
  frames_[id] = made;
  return made;
}

std::vector<CefRefPtr<PageFrame>> PageBrowser::Frames() {
  std::vector<CefRefPtr<PageFrame>> frames;
  for (auto& [id, frame] : frames_) {
    if (frame->IsMain())
      frames.insert(frames.begin(), frame);
    else
      frames.push_back(frame);
  }
  return frames;
}

void PageBrowser::Close() {
  page_ = nullptr;
  for (auto& [id, frame] : frames_)
    frame->Detach();
  frames_.clear();
}

CefRefPtr<CefFrame> PageBrowser::GetMainFrame() {
  for (auto& [id, frame] : frames_) {
    if (frame->IsMain())
      return frame.get();
  }
  return nullptr;
}

CefRefPtr<CefFrame> PageBrowser::GetFrame(int64 identifier) {
  auto found = frames_.find(static_cast<guint64>(identifier));
  return found == frames_.end() ? nullptr : found->second.get();
}

CefRefPtr<CefFrame> PageBrowser::GetFrame(const CefString& name) {
  return name.empty() ? GetMainFrame() : nullptr;
}

void PageBrowser::GetFrameIdentifiers(std::vector<int64>& identifiers) {
  identifiers.clear();
  for (auto& frame : Frames())
    identifiers.push_back(frame->GetIdentifier());
}

void PageBrowser::GetFrameNames(std::vector<CefString>& names) {
  names.clear();
  for (auto& frame : Frames())
    names.push_back(frame->GetName());
}

bool PageBrowser::SendProcessMessage(CefProcessId target_process, CefRefPtr<CefProcessMessage> message) {
  if (target_process != PID_BROWSER || !message || !page_)
    return false;
  std::string name;
  AppendUtf8(message->GetName(), &name);
  WebKitUserMessage* user_message =
      webkit_user_message_new(name.c_str(), ArgumentsToVariant(message->GetArgumentList()));
  webkit_web_page_send_message_to_view(page_, user_message, nullptr, nullptr, nullptr);
  return true;
}

}  // namespace cef_internal
