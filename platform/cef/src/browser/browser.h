// A browser in the browser process: its CefBrowser and CefBrowserHost sides
// are one object. Created and ended on the UI thread; usable from any thread.
#pragma once

#include <map>
#include <mutex>
#include <vector>

#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "src/browser/browser_activity.h"
#include "src/browser/frame.h"

namespace cef_internal {

class Browser : public CefBrowser, public CefBrowserHost {
 public:
  Browser(int identifier, CefRefPtr<CefClient> client, CefRefPtr<CefRequestContext> request_context,
          const CefWindowInfo& window_info, const CefString& requested_url);
  ~Browser() override;

  // Engine side.
  void SetWindow(HWND window);
  const CefWindowInfo& window_info() const { return window_info_; }
  // The URL given to CreateBrowser.
  const CefString& requested_url() const { return requested_url_; }
  CefRefPtr<Frame> MainFrame();
  // The named sub-frame, made on first use; empty name: the main frame.
  CefRefPtr<Frame> FrameNamed(const CefString& name);
  BrowserActivity Activity();
  bool IsClosed();
  // UI thread: the window is gone; OnBeforeClose follows as a task.
  void OnWindowDestroyed();
  // UI thread, after OnBeforeClose: drops the client and the frames, which
  // would otherwise keep this browser alive.
  void ReleaseAfterClose();
  void RecordEngineCommand(int command_id);

  // Main-frame history.
  struct History {
    std::vector<CefString> entries;
    int current = -1;
  };
  History GetHistory();
  void SetHistory(const History& history);
  void SetLoading(bool loading);
  // UI thread, during OnLoadStart: a StopLoad came for the load under way.
  bool TakeStopRequest();
  void SetLoadUnderWay(bool under_way);

  // Client side: CefBrowser.
  CefRefPtr<CefBrowserHost> GetHost() override { return this; }
  bool CanGoBack() override;
  void GoBack() override;
  bool CanGoForward() override;
  void GoForward() override;
  bool IsLoading() override;
  void Reload() override;
  void ReloadIgnoreCache() override;
  void StopLoad() override;
  int GetIdentifier() override { return identifier_; }
  bool IsSame(CefRefPtr<CefBrowser> that) override { return that.get() == static_cast<CefBrowser*>(this); }
  bool IsPopup() override { return false; }
  bool HasDocument() override;
  CefRefPtr<CefFrame> GetMainFrame() override;
  CefRefPtr<CefFrame> GetFocusedFrame() override { return GetMainFrame(); }
  CefRefPtr<CefFrame> GetFrame(int64 identifier) override;
  CefRefPtr<CefFrame> GetFrame(const CefString& name) override;
  size_t GetFrameCount() override;
  void GetFrameIdentifiers(std::vector<int64>& identifiers) override;
  void GetFrameNames(std::vector<CefString>& names) override;
  bool SendProcessMessage(CefProcessId target_process, CefRefPtr<CefProcessMessage> message) override;

  // Client side: CefBrowserHost.
  CefRefPtr<CefBrowser> GetBrowser() override { return this; }
  void CloseBrowser(bool force_close) override;
  void SetFocus(bool focus) override {}
  void SetWindowVisibility(bool visible) override {}
  cef_window_handle_t GetWindowHandle() override;
  cef_window_handle_t GetOpenerWindowHandle() override { return NULL; }
  CefRefPtr<CefClient> GetClient() override;
  CefRefPtr<CefRequestContext> GetRequestContext() override { return request_context_; }
  double GetZoomLevel() override;
  void SetZoomLevel(double zoomLevel) override;
  void StartDownload(const CefString& url) override {}
  void Print() override {}
  void Find(int identifier, const CefString& searchText, bool forward, bool matchCase, bool findNext) override {}
  void StopFinding(bool clearSelection) override {}
  void CloseDevTools() override {}
  void SetMouseCursorChangeDisabled(bool disabled) override;
  bool IsMouseCursorChangeDisabled() override;
  bool IsWindowRenderingDisabled() override { return window_info_.windowless_rendering_enabled != 0; }
  void WasResized() override {}
  void WasHidden(bool hidden) override {}
  void Invalidate(cef_paint_element_type_t type) override {}
  void SendKeyEvent(const CefKeyEvent& event) override {}
  void SendFocusEvent(bool setFocus) override {}
  void SendCaptureLostEvent() override {}
  void NotifyMoveOrResizeStarted() override {}

  // Frames record what the client asked of them here.
  void RecordLoadUrl(const CefString& frame, const CefString& url);
  void RecordLoadString(const CefString& frame, const CefString& text, const CefString& url);
  void RecordScript(const CefString& frame, const CefString& code, const CefString& url, int line);

 private:
  // An empty |url| reloads whatever the frame shows when the load runs.
  void Navigate(CefRefPtr<Frame> frame, const CefString& url, cef_transition_type_t transition);
  void GoBy(int offset);

  const int identifier_;
  const CefRefPtr<CefRequestContext> request_context_;
  const CefWindowInfo window_info_;
  const CefString requested_url_;

  std::mutex lock_;
  CefRefPtr<CefClient> client_;  // let go of after OnBeforeClose
  HWND window_ = NULL;
  bool closed_ = false;
  bool loading_ = false;
  bool load_under_way_ = false;
  bool stop_requested_ = false;
  bool cursor_change_disabled_ = false;
  double zoom_level_ = 0.0;
  CefRefPtr<Frame> main_frame_;
  std::map<int64, CefRefPtr<Frame>> frames_;  // sub-frames
  History history_;
  BrowserActivity activity_;

  IMPLEMENT_REFCOUNTING(Browser);
};

}  // namespace cef_internal
