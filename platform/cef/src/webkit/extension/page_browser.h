// A browser as the renderer sees it inside WebKit's web process: one
// WebKitWebPage and the frames of it that have had a document. Web process
// main thread only.
#pragma once

#include <webkit2/webkit-web-extension.h>

#include <map>

#include "include/cef_browser.h"
#include "src/webkit/extension/page_frame.h"

namespace cef_internal {

class PageBrowser : public CefBrowser {
 public:
  explicit PageBrowser(WebKitWebPage* page);

  // The frame object of |frame|, made on first use. Frames are bounded:
  // beyond the bound the oldest inline frame is forgotten (and |*dropped|
  // gets it, so its context can be released).
  CefRefPtr<PageFrame> FrameFor(WebKitFrame* frame, CefRefPtr<PageFrame>* dropped);
  // Every frame, the main frame first.
  std::vector<CefRefPtr<PageFrame>> Frames();
  // The page is gone: every frame turns invalid.
  void Close();

  CefRefPtr<CefBrowserHost> GetHost() override { return nullptr; }
  bool CanGoBack() override { return false; }
  void GoBack() override {}
  bool CanGoForward() override { return false; }
  void GoForward() override {}
  bool IsLoading() override { return false; }
  void Reload() override {}
  void ReloadIgnoreCache() override {}
  void StopLoad() override {}
  int GetIdentifier() override { return identifier_; }
  bool IsSame(CefRefPtr<CefBrowser> that) override { return that.get() == this; }
  bool IsPopup() override { return false; }
  bool HasDocument() override { return page_ != nullptr; }
  // NULL until the main frame has had its first document.
  CefRefPtr<CefFrame> GetMainFrame() override;
  CefRefPtr<CefFrame> GetFocusedFrame() override { return GetMainFrame(); }
  CefRefPtr<CefFrame> GetFrame(int64 identifier) override;
  CefRefPtr<CefFrame> GetFrame(const CefString& name) override;
  size_t GetFrameCount() override { return frames_.size(); }
  void GetFrameIdentifiers(std::vector<int64>& identifiers) override;
  void GetFrameNames(std::vector<CefString>& names) override;
  // Only the browser process can be reached from here.
  bool SendProcessMessage(CefProcessId target_process, CefRefPtr<CefProcessMessage> message) override;

 private:
  WebKitWebPage* page_;  // not owned; NULL once the page is gone
  const int identifier_;
  std::map<guint64, CefRefPtr<PageFrame>> frames_;  // by WebKit's frame id, in creation order of ids

  IMPLEMENT_REFCOUNTING(PageBrowser);
};

}  // namespace cef_internal
