#include "src/browser/browser.h"

#include <atomic>

#include "include/wrapper/cef_closure_task.h"
#include "src/browser/browser_registry.h"
#include "src/browser/client_handlers.h"
#include "src/browser/navigation.h"
#include "src/browser/renderer_channel.h"
#include "src/core/process_message.h"
#include "src/process/renderer_host_hooks.h"
#include "src/webkit/engine_backend.h"

namespace cef_internal {

namespace {

int64 NextFrameIdentifier() {
  static std::atomic<int64> next{1};
  return next++;
}

void CloseOnUiThread(CefRefPtr<Browser> browser, bool force_close) {
  HWND window = browser->GetWindowHandle();
  if (browser->IsClosed())
    return;
  if (!force_close) {
    CefRefPtr<CefLifeSpanHandler> handler = HandlerOf(browser, &CefClient::GetLifeSpanHandler);
    // True: the client destroys the window itself.
    if (handler && handler->DoClose(browser.get()))
      return;
  }
  if (window)
    DestroyWindow(window);
  else
    browser->OnWindowDestroyed();
}

void FinishClose(CefRefPtr<Browser> browser) {
  if (CefRefPtr<CefLifeSpanHandler> handler = HandlerOf(browser, &CefClient::GetLifeSpanHandler))
    handler->OnBeforeClose(browser.get());
  NotifyRendererBrowserClosed(browser->GetIdentifier());
  browser->ReleaseAfterClose();
  BrowserRegistry::Get().Remove(browser);
}

}  // namespace

Browser::Browser(int identifier, CefRefPtr<CefClient> client, CefRefPtr<CefRequestContext> request_context,
                 const CefWindowInfo& window_info, const CefString& requested_url)
    : identifier_(identifier),
      request_context_(request_context ? request_context : CefRequestContext::GetGlobalContext()),
      window_info_(window_info),
      requested_url_(requested_url),
      client_(client) {
  main_frame_ = new Frame(this, NextFrameIdentifier(), CefString(), NULL);
}

Browser::~Browser() = default;

void Browser::SetWindow(HWND window) {
  std::lock_guard<std::mutex> held(lock_);
  window_ = window;
}

CefRefPtr<Frame> Browser::MainFrame() {
  std::lock_guard<std::mutex> held(lock_);
  return main_frame_;
}

CefRefPtr<Frame> Browser::FrameNamed(const CefString& name) {
  std::lock_guard<std::mutex> held(lock_);
  if (name.empty() || closed_)
    return main_frame_;
  for (auto& [id, frame] : frames_) {
    if (frame->GetName() == name)
      return frame;
  }
  CefRefPtr<Frame> frame = new Frame(this, NextFrameIdentifier(), name, main_frame_);
  frames_[frame->GetIdentifier()] = frame;
  return frame;
}

BrowserActivity Browser::Activity() {
  std::lock_guard<std::mutex> held(lock_);
  return activity_;
}

bool Browser::IsClosed() {
  std::lock_guard<std::mutex> held(lock_);
  return closed_;
}

// The last client callback comes later, as a task, so that it never runs in
// the middle of a window's destruction.
void Browser::OnWindowDestroyed() {
  {
    std::lock_guard<std::mutex> held(lock_);
    if (closed_)
      return;
    closed_ = true;
    activity_.closed = true;
  }
  if (EngineBackend* backend = InstalledEngineBackend())
    backend->Detach(this);
  CefPostTask(TID_UI, base::Bind(&FinishClose, CefRefPtr<Browser>(this)));
}

void Browser::ReleaseAfterClose() {
  CefRefPtr<CefClient> client;
  CefRefPtr<Frame> main_frame;
  std::map<int64, CefRefPtr<Frame>> frames;
  {
    std::lock_guard<std::mutex> held(lock_);
    client.swap(client_);
    main_frame.swap(main_frame_);
    frames.swap(frames_);
  }
  if (main_frame)
    main_frame->Invalidate();
  for (auto& [id, frame] : frames)
    frame->Invalidate();
}

void Browser::RecordEngineCommand(int command_id) {
  std::lock_guard<std::mutex> held(lock_);
  activity_.engine_commands.push_back(command_id);
}

Browser::History Browser::GetHistory() {
  std::lock_guard<std::mutex> held(lock_);
  return history_;
}

void Browser::SetHistory(const History& history) {
  std::lock_guard<std::mutex> held(lock_);
  history_ = history;
}

void Browser::SetLoading(bool loading) {
  std::lock_guard<std::mutex> held(lock_);
  loading_ = loading;
}

bool Browser::TakeStopRequest() {
  std::lock_guard<std::mutex> held(lock_);
  const bool requested = stop_requested_;
  stop_requested_ = false;
  return requested;
}

void Browser::SetLoadUnderWay(bool under_way) {
  std::lock_guard<std::mutex> held(lock_);
  load_under_way_ = under_way;
  if (under_way)
    stop_requested_ = false;
}

bool Browser::CanGoBack() {
  std::lock_guard<std::mutex> held(lock_);
  return history_.current > 0;
}

bool Browser::CanGoForward() {
  std::lock_guard<std::mutex> held(lock_);
  return history_.current + 1 < static_cast<int>(history_.entries.size());
}

void Browser::GoBack() {
  {
    std::lock_guard<std::mutex> held(lock_);
    ++activity_.go_back;
  }
  GoBy(-1);
}

void Browser::GoForward() {
  {
    std::lock_guard<std::mutex> held(lock_);
    ++activity_.go_forward;
  }
  GoBy(1);
}

bool Browser::IsLoading() {
  std::lock_guard<std::mutex> held(lock_);
  return loading_;
}

void Browser::Reload() {
  {
    std::lock_guard<std::mutex> held(lock_);
    ++activity_.reload;
  }
  if (EngineBackend* backend = InstalledEngineBackend())
    return backend->Reload(this, false);
  Navigate(MainFrame(), CefString(), TT_RELOAD);
}

void Browser::ReloadIgnoreCache() {
  {
    std::lock_guard<std::mutex> held(lock_);
    ++activity_.reload_ignore_cache;
  }
  if (EngineBackend* backend = InstalledEngineBackend())
    return backend->Reload(this, true);
  Navigate(MainFrame(), CefString(), TT_RELOAD);
}

void Browser::StopLoad() {
  {
    std::lock_guard<std::mutex> held(lock_);
    ++activity_.stop_load;
    if (load_under_way_ && CefCurrentlyOn(TID_UI))
      stop_requested_ = true;
  }
  if (EngineBackend* backend = InstalledEngineBackend())
    backend->StopLoad(this);
}

bool Browser::HasDocument() {
  std::lock_guard<std::mutex> held(lock_);
  return history_.current >= 0;
}

CefRefPtr<CefFrame> Browser::GetMainFrame() { return MainFrame().get(); }

CefRefPtr<CefFrame> Browser::GetFrame(int64 identifier) {
  std::lock_guard<std::mutex> held(lock_);
  if (main_frame_ && main_frame_->GetIdentifier() == identifier)
    return main_frame_.get();
  auto found = frames_.find(identifier);
  return found == frames_.end() ? NULL : found->second.get();
}

CefRefPtr<CefFrame> Browser::GetFrame(const CefString& name) {
  std::lock_guard<std::mutex> held(lock_);
  if (name.empty())
    return main_frame_.get();
  for (auto& [id, frame] : frames_) {
    if (frame->GetName() == name)
      return frame.get();
  }
  return NULL;
}

size_t Browser::GetFrameCount() {
  std::lock_guard<std::mutex> held(lock_);
  return (main_frame_ ? 1 : 0) + frames_.size();
}

void Browser::GetFrameIdentifiers(std::vector<int64>& identifiers) {
  std::lock_guard<std::mutex> held(lock_);
  identifiers.clear();
  if (main_frame_)
    identifiers.push_back(main_frame_->GetIdentifier());
  for (auto& [id, frame] : frames_)
    identifiers.push_back(id);
}

void Browser::GetFrameNames(std::vector<CefString>& names) {
  std::lock_guard<std::mutex> held(lock_);
  names.clear();
  if (main_frame_)
    names.push_back(main_frame_->GetName());
  for (auto& [id, frame] : frames_)
    names.push_back(frame->GetName());
}

// Only the renderer is a target from here; the message is recorded and handed
// to the renderer channel when one is connected.
bool Browser::SendProcessMessage(CefProcessId target_process, CefRefPtr<CefProcessMessage> message) {
  if (target_process != PID_RENDERER || !message || IsClosed())
    return false;
  if (ProcessMessage* sent = dynamic_cast<ProcessMessage*>(message.get()))
    sent->SetReadOnly();
  {
    std::lock_guard<std::mutex> held(lock_);
    activity_.renderer_messages.push_back(message->Copy());
  }
  DeliverToRenderer(identifier_, message);
  return true;
}

void Browser::CloseBrowser(bool force_close) {
  {
    std::lock_guard<std::mutex> held(lock_);
    activity_.close_requests.push_back(force_close);
  }
  CefPostTask(TID_UI, base::Bind(&CloseOnUiThread, CefRefPtr<Browser>(this), force_close));
}

cef_window_handle_t Browser::GetWindowHandle() {
  std::lock_guard<std::mutex> held(lock_);
  return window_;
}

CefRefPtr<CefClient> Browser::GetClient() {
  std::lock_guard<std::mutex> held(lock_);
  return client_;
}

double Browser::GetZoomLevel() {
  std::lock_guard<std::mutex> held(lock_);
  return zoom_level_;
}

void Browser::SetZoomLevel(double zoomLevel) {
  std::lock_guard<std::mutex> held(lock_);
  zoom_level_ = zoomLevel;
}

void Browser::SetMouseCursorChangeDisabled(bool disabled) {
  std::lock_guard<std::mutex> held(lock_);
  cursor_change_disabled_ = disabled;
}

bool Browser::IsMouseCursorChangeDisabled() {
  std::lock_guard<std::mutex> held(lock_);
  return cursor_change_disabled_;
}

void Browser::RecordLoadUrl(const CefString& frame, const CefString& url) {
  std::lock_guard<std::mutex> held(lock_);
  activity_.load_urls.push_back({frame, url});
}

void Browser::RecordLoadString(const CefString& frame, const CefString& text, const CefString& url) {
  std::lock_guard<std::mutex> held(lock_);
  activity_.load_strings.push_back({frame, text, url});
}

void Browser::RecordScript(const CefString& frame, const CefString& code, const CefString& url, int line) {
  std::lock_guard<std::mutex> held(lock_);
  activity_.scripts.push_back({frame, code, url, line});
}

void Browser::Navigate(CefRefPtr<Frame> frame, const CefString& url, cef_transition_type_t transition) {
  if (!frame || IsClosed())
    return;
  Load load;
  load.url = url;
  load.transition = transition;
  ScheduleLoad(this, frame, load);
}

namespace {

void GoByOnUiThread(CefRefPtr<Browser> browser, int offset) {
  const Browser::History history = browser->GetHistory();
  const int target = history.current + offset;
  if (history.current < 0 || target < 0 || target >= static_cast<int>(history.entries.size()))
    return;
  Load load;
  load.url = history.entries[target];
  load.transition = static_cast<cef_transition_type_t>(TT_EXPLICIT | TT_FORWARD_BACK_FLAG);
  load.history_index = target;
  CefRefPtr<Frame> frame = browser->MainFrame();
  if (frame)
    RunLoad(browser, frame, load);
}

}  // namespace

// The entry is picked when the task runs, so two quick GoBack calls go back twice.
void Browser::GoBy(int offset) {
  if (EngineBackend* backend = InstalledEngineBackend())
    return backend->GoBy(this, offset);
  if (!LoadsHeld() && !IsClosed())
    CefPostTask(TID_UI, base::Bind(&GoByOnUiThread, CefRefPtr<Browser>(this), offset));
}

}  // namespace cef_internal
