// A browser as the renderer sees it: a main frame and the inline frames of
// its current document, each with the JavaScript context of its document.
// Render thread only.
#pragma once

#include <vector>

#include "include/cef_browser.h"
#include "src/renderer/renderer_frame.h"

namespace cef_internal {

class RendererSession;

class RendererBrowser : public CefBrowser {
 public:
  RendererBrowser(RendererSession* session, int identifier);

  // A new document in |frame|: the old document's contexts are released
  // (in a main frame with every inline frame) and a new context is created.
  void Navigate(CefRefPtr<RendererFrame> frame, const CefString& url, const CefString& source);
  // Navigate as a later task: loads asked for through the frame API start
  // after the caller returns, as the engine's own do.
  void StartNavigation(CefRefPtr<RendererFrame> frame, const CefString& url,
                       const CefString& source);
  // A new context for every frame's document, the inline frames kept.
  void ReloadDocuments();
  // A new inline frame of the main document, with its own document.
  CefRefPtr<RendererFrame> AddInlineFrame(const CefString& name, const CefString& url,
                                          const CefString& source);
  CefRefPtr<RendererFrame> FindFrame(const CefString& name);

  // Releases every context and detaches every frame; the session no longer
  // hears from this browser.
  void Close();

  // CefBrowser methods.
  CefRefPtr<CefBrowserHost> GetHost() override { return nullptr; }
  bool CanGoBack() override { return false; }
  void GoBack() override {}
  bool CanGoForward() override { return false; }
  void GoForward() override {}
  bool IsLoading() override { return false; }
  // Both start later, like StartNavigation.
  void Reload() override;
  void ReloadIgnoreCache() override { Reload(); }
  void StopLoad() override {}
  int GetIdentifier() override { return identifier_; }
  bool IsSame(CefRefPtr<CefBrowser> that) override { return that.get() == this; }
  bool IsPopup() override { return false; }
  bool HasDocument() override;
  CefRefPtr<CefFrame> GetMainFrame() override { return main_frame_.get(); }
  CefRefPtr<CefFrame> GetFocusedFrame() override { return main_frame_.get(); }
  CefRefPtr<CefFrame> GetFrame(int64 identifier) override;
  CefRefPtr<CefFrame> GetFrame(const CefString& name) override;
  size_t GetFrameCount() override { return 1 + inline_frames_.size(); }
  void GetFrameIdentifiers(std::vector<int64>& identifiers) override;
  void GetFrameNames(std::vector<CefString>& names) override;
  // Only the browser process can be reached from a renderer.
  bool SendProcessMessage(CefProcessId target_process,
                          CefRefPtr<CefProcessMessage> message) override;

 private:
  void CreateContext(CefRefPtr<RendererFrame> frame);
  void ReleaseContext(CefRefPtr<RendererFrame> frame);
  void DropInlineFrames();

  // Cleared by Close; the session outlives every open browser.
  RendererSession* session_;
  const int identifier_;
  int64 next_frame_identifier_ = 1;
  CefRefPtr<RendererFrame> main_frame_;
  std::vector<CefRefPtr<RendererFrame>> inline_frames_;

  IMPLEMENT_REFCOUNTING(RendererBrowser);
};

}  // namespace cef_internal
