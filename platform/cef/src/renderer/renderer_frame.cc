#include "src/renderer/renderer_frame.h"

#include "src/renderer/renderer_browser.h"

namespace cef_internal {

namespace {

const size_t kMaxScriptsKept = 256;
const size_t kMaxScriptBytesKept = 16 << 20;

}  // namespace

RendererFrame::RendererFrame(CefRefPtr<RendererBrowser> browser, int64 identifier,
                             const CefString& name, int64 parent_identifier)
    : browser_(browser),
      identifier_(identifier),
      name_(name),
      parent_identifier_(parent_identifier),
      scripts_(kMaxScriptsKept, kMaxScriptBytesKept) {}

void RendererFrame::Detach() {
  browser_ = nullptr;
}

void RendererFrame::SetDocument(const CefString& url, const CefString& source) {
  url_ = url;
  source_ = source;
}

void RendererFrame::GetSource(CefRefPtr<CefStringVisitor> visitor) {
  if (visitor)
    visitor->Visit(source_);
}

void RendererFrame::GetText(CefRefPtr<CefStringVisitor> visitor) {
  if (!visitor)
    return;
  std::u16string text;
  bool in_tag = false;
  for (char16 c : source_.ToString16()) {
    if (c == u'<')
      in_tag = true;
    else if (c == u'>')
      in_tag = false;
    else if (!in_tag)
      text.push_back(c);
  }
  visitor->Visit(text);
}

void RendererFrame::LoadRequest(CefRefPtr<CefRequest> request) {
  if (request)
    LoadURL(request->GetURL());
}

void RendererFrame::LoadURL(const CefString& url) {
  if (browser_)
    browser_->StartNavigation(this, url, CefString());
}

void RendererFrame::LoadString(const CefString& string_val, const CefString& url) {
  if (browser_)
    browser_->StartNavigation(this, url, string_val);
}

void RendererFrame::ExecuteJavaScript(const CefString& code, const CefString& script_url,
                                      int start_line) {
  if (!browser_)
    return;
  ExecutedScript script;
  script.code = code;
  script.url = script_url;
  script.start_line = start_line;
  const size_t bytes = (code.length() + script_url.length()) * sizeof(char16) + sizeof(script);
  scripts_.Add(script, bytes);
}

CefRefPtr<CefFrame> RendererFrame::GetParent() {
  if (!browser_ || IsMain())
    return nullptr;
  return browser_->GetFrame(parent_identifier_);
}

CefRefPtr<CefBrowser> RendererFrame::GetBrowser() {
  return browser_.get();
}

}  // namespace cef_internal
