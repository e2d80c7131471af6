#include "src/browser/frame.h"

#include "include/cef_v8.h"
#include "src/browser/browser.h"
#include "src/browser/navigation.h"
#include "src/webkit/engine_backend.h"

namespace cef_internal {

Frame::Frame(Browser* browser, int64 identifier, const CefString& name, CefRefPtr<Frame> parent)
    : browser_(browser), identifier_(identifier), name_(name), parent_(parent) {}

Frame::~Frame() = default;

void Frame::SetURL(const CefString& url) {
  std::lock_guard<std::mutex> held(lock_);
  url_ = url;
}

void Frame::Commit(const CefString& url) {
  std::lock_guard<std::mutex> held(lock_);
  url_ = url;
  history_.push_back(url);
}

std::vector<CefString> Frame::History() {
  std::lock_guard<std::mutex> held(lock_);
  return history_;
}

void Frame::Invalidate() {
  std::lock_guard<std::mutex> held(lock_);
  valid_ = false;
}

bool Frame::IsValid() {
  std::lock_guard<std::mutex> held(lock_);
  return valid_;
}

// The scripted engine has no DOM: the source is what LoadString gave, if anything.
void Frame::GetSource(CefRefPtr<CefStringVisitor> visitor) {
  if (!visitor)
    return;
  CefString text;
  {
    std::lock_guard<std::mutex> held(lock_);
    text = text_;
  }
  visitor->Visit(text);
}

void Frame::GetText(CefRefPtr<CefStringVisitor> visitor) { GetSource(visitor); }

void Frame::LoadRequest(CefRefPtr<CefRequest> request) {
  if (request)
    LoadURL(request->GetURL());
}

void Frame::LoadURL(const CefString& url) {
  if (!IsValid())
    return;
  browser_->RecordLoadUrl(name_, url);
  if (EngineBackend* backend = InstalledEngineBackend())
    return backend->LoadURL(browser_, this, url);
  Load load;
  load.url = url;
  ScheduleLoad(browser_, this, load);
}

void Frame::LoadString(const CefString& string_val, const CefString& url) {
  if (!IsValid())
    return;
  browser_->RecordLoadString(name_, string_val, url);
  {
    std::lock_guard<std::mutex> held(lock_);
    text_ = string_val;
  }
  if (EngineBackend* backend = InstalledEngineBackend())
    return backend->LoadString(browser_, this, string_val, url);
  Load load;
  load.url = url;
  ScheduleLoad(browser_, this, load);
}

void Frame::ExecuteJavaScript(const CefString& code, const CefString& script_url, int start_line) {
  if (!IsValid())
    return;
  browser_->RecordScript(name_, code, script_url, start_line);
  if (EngineBackend* backend = InstalledEngineBackend())
    backend->ExecuteJavaScript(browser_, this, code, script_url, start_line);
}

bool Frame::IsFocused() { return IsMain(); }

CefString Frame::GetURL() {
  std::lock_guard<std::mutex> held(lock_);
  return url_;
}

CefRefPtr<CefBrowser> Frame::GetBrowser() { return browser_.get(); }

CefRefPtr<CefV8Context> Frame::GetV8Context() { return NULL; }

}  // namespace cef_internal
