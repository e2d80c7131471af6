#include "src/renderer/renderer_browser.h"

#include "include/base/cef_bind.h"
#include "include/cef_render_process_handler.h"
#include "include/wrapper/cef_closure_task.h"
#include "src/renderer/renderer_session.h"

namespace cef_internal {

RendererBrowser::RendererBrowser(RendererSession* session, int identifier)
    : session_(session), identifier_(identifier) {
  main_frame_ = new RendererFrame(this, next_frame_identifier_++, CefString(), 0);
}

void RendererBrowser::Navigate(CefRefPtr<RendererFrame> frame, const CefString& url,
                               const CefString& source) {
  if (!session_ || !frame->IsValid())
    return;
  if (frame == main_frame_)
    DropInlineFrames();
  ReleaseContext(frame);
  frame->SetDocument(url, source);
  CreateContext(frame);
}

void RendererBrowser::StartNavigation(CefRefPtr<RendererFrame> frame, const CefString& url,
                                      const CefString& source) {
  if (session_) {
    session_->thread().Post(
        CefCreateClosureTask(base::Bind(&RendererBrowser::Navigate, this, frame, url, source)),
        0);
  }
}

CefRefPtr<RendererFrame> RendererBrowser::AddInlineFrame(const CefString& name,
                                                         const CefString& url,
                                                         const CefString& source) {
  if (!session_)
    return nullptr;
  CefRefPtr<RendererFrame> frame =
      new RendererFrame(this, next_frame_identifier_++, name, main_frame_->GetIdentifier());
  inline_frames_.push_back(frame);
  frame->SetDocument(url, source);
  CreateContext(frame);
  return frame;
}

CefRefPtr<RendererFrame> RendererBrowser::FindFrame(const CefString& name) {
  if (name.empty())
    return main_frame_;
  for (const CefRefPtr<RendererFrame>& frame : inline_frames_) {
    if (frame->GetName() == name)
      return frame;
  }
  return nullptr;
}

void RendererBrowser::Close() {
  if (!session_)
    return;
  DropInlineFrames();
  ReleaseContext(main_frame_);
  main_frame_->Detach();
  session_ = nullptr;
}

void RendererBrowser::Reload() {
  if (session_) {
    session_->thread().Post(
        CefCreateClosureTask(base::Bind(&RendererBrowser::ReloadDocuments, this)), 0);
  }
}

void RendererBrowser::ReloadDocuments() {
  if (!session_ || !main_frame_->context())
    return;
  for (const CefRefPtr<RendererFrame>& frame : inline_frames_)
    ReleaseContext(frame);
  ReleaseContext(main_frame_);
  CreateContext(main_frame_);
  for (const CefRefPtr<RendererFrame>& frame : inline_frames_)
    CreateContext(frame);
}

bool RendererBrowser::HasDocument() {
  return main_frame_->context().get() != nullptr;
}

CefRefPtr<CefFrame> RendererBrowser::GetFrame(int64 identifier) {
  if (main_frame_->GetIdentifier() == identifier)
    return main_frame_.get();
  for (const CefRefPtr<RendererFrame>& frame : inline_frames_) {
    if (frame->GetIdentifier() == identifier)
      return frame.get();
  }
  return nullptr;
}

CefRefPtr<CefFrame> RendererBrowser::GetFrame(const CefString& name) {
  return FindFrame(name).get();
}

void RendererBrowser::GetFrameIdentifiers(std::vector<int64>& identifiers) {
  identifiers.push_back(main_frame_->GetIdentifier());
  for (const CefRefPtr<RendererFrame>& frame : inline_frames_)
    identifiers.push_back(frame->GetIdentifier());
}

void RendererBrowser::GetFrameNames(std::vector<CefString>& names) {
  names.push_back(main_frame_->GetName());
  for (const CefRefPtr<RendererFrame>& frame : inline_frames_)
    names.push_back(frame->GetName());
}

bool RendererBrowser::SendProcessMessage(CefProcessId target_process,
                                         CefRefPtr<CefProcessMessage> message) {
  if (target_process != PID_BROWSER || !message || !message->IsValid() || !session_)
    return false;
  session_->SendToBrowser(identifier_, message);
  return true;
}

void RendererBrowser::CreateContext(CefRefPtr<RendererFrame> frame) {
  CefRefPtr<V8ContextImpl> context = new V8ContextImpl(this, frame.get());
  frame->set_context(context);
  if (CefRefPtr<CefRenderProcessHandler> handler = session_->handler())
    handler->OnContextCreated(this, frame.get(), context.get());
}

void RendererBrowser::ReleaseContext(CefRefPtr<RendererFrame> frame) {
  CefRefPtr<V8ContextImpl> context = frame->context();
  if (!context)
    return;
  if (CefRefPtr<CefRenderProcessHandler> handler = session_->handler())
    handler->OnContextReleased(this, frame.get(), context.get());
  frame->set_context(nullptr);
  context->Invalidate();
}

void RendererBrowser::DropInlineFrames() {
  std::vector<CefRefPtr<RendererFrame>> dropped;
  dropped.swap(inline_frames_);
  for (const CefRefPtr<RendererFrame>& frame : dropped) {
    ReleaseContext(frame);
    frame->Detach();
  }
}

}  // namespace cef_internal
