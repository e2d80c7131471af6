// A browser and its host. CefBrowser is usable on any thread of either
// process; CefBrowserHost exists in the browser process only.
#pragma once

#include <vector>

#include "include/cef_base.h"
#include "include/cef_frame.h"
#include "include/cef_process_message.h"
#include "include/cef_request_context.h"

class CefBrowserHost;
class CefClient;

class CefBrowser : public virtual CefBase {
 public:
  // NULL in the renderer process.
  virtual CefRefPtr<CefBrowserHost> GetHost() = 0;
  virtual bool CanGoBack() = 0;
  virtual void GoBack() = 0;
  virtual bool CanGoForward() = 0;
  virtual void GoForward() = 0;
  virtual bool IsLoading() = 0;
  virtual void Reload() = 0;
  virtual void ReloadIgnoreCache() = 0;
  virtual void StopLoad() = 0;
  // Unique in the process, from 1.
  virtual int GetIdentifier() = 0;
  virtual bool IsSame(CefRefPtr<CefBrowser> that) = 0;
  virtual bool IsPopup() = 0;
  virtual bool HasDocument() = 0;
  virtual CefRefPtr<CefFrame> GetMainFrame() = 0;
  virtual CefRefPtr<CefFrame> GetFocusedFrame() = 0;
  virtual CefRefPtr<CefFrame> GetFrame(int64 identifier) = 0;
  virtual CefRefPtr<CefFrame> GetFrame(const CefString& name) = 0;
  virtual size_t GetFrameCount() = 0;
  virtual void GetFrameIdentifiers(std::vector<int64>& identifiers) = 0;
  virtual void GetFrameNames(std::vector<CefString>& names) = 0;
  // The message becomes read-only. True when it was handed to the target.
  virtual bool SendProcessMessage(CefProcessId target_process, CefRefPtr<CefProcessMessage> message) = 0;
};

class CefBrowserHost : public virtual CefBase {
 public:
  // Creates the browser asynchronously on the UI thread: returns at once, and
  // the client's OnAfterCreated tells when it exists. An empty request
  // context means the global one.
  static bool CreateBrowser(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefString& url,
                            const CefBrowserSettings& settings, CefRefPtr<CefRequestContext> request_context);
  // UI thread only.
  static CefRefPtr<CefBrowser> CreateBrowserSync(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client,
                                                 const CefString& url, const CefBrowserSettings& settings,
                                                 CefRefPtr<CefRequestContext> request_context);

  virtual CefRefPtr<CefBrowser> GetBrowser() = 0;
  // Asks the client's DoClose unless |force_close|; the window then goes and
  // OnBeforeClose follows on the UI thread.
  virtual void CloseBrowser(bool force_close) = 0;
  virtual void SetFocus(bool focus) = 0;
  virtual void SetWindowVisibility(bool visible) = 0;
  virtual cef_window_handle_t GetWindowHandle() = 0;
  virtual cef_window_handle_t GetOpenerWindowHandle() = 0;
  virtual CefRefPtr<CefClient> GetClient() = 0;
  virtual CefRefPtr<CefRequestContext> GetRequestContext() = 0;
  virtual double GetZoomLevel() = 0;
  virtual void SetZoomLevel(double zoomLevel) = 0;
  virtual void StartDownload(const CefString& url) = 0;
  virtual void Print() = 0;
  virtual void Find(int identifier, const CefString& searchText, bool forward, bool matchCase, bool findNext) = 0;
  virtual void StopFinding(bool clearSelection) = 0;
  virtual void CloseDevTools() = 0;
  virtual void SetMouseCursorChangeDisabled(bool disabled) = 0;
  virtual bool IsMouseCursorChangeDisabled() = 0;
  virtual bool IsWindowRenderingDisabled() = 0;
  virtual void WasResized() = 0;
  virtual void WasHidden(bool hidden) = 0;
  virtual void Invalidate(cef_paint_element_type_t type) = 0;
  virtual void SendKeyEvent(const CefKeyEvent& event) = 0;
  virtual void SendFocusEvent(bool setFocus) = 0;
  virtual void SendCaptureLostEvent() = 0;
  virtual void NotifyMoveOrResizeStarted() = 0;
};
