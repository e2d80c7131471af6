// Test-driven page events. Each call carries the event out on the engine's
// UI thread, with the client's handlers called there, and returns when it
// is done. A browser that is not one of the engine's gives a no-op.
#pragma once

#include <optional>
#include <vector>

#include "cef/testing/browsers.h"
#include "src/browser/page_events.h"

namespace cef::testing {

struct PageLoad {
  CefString url;
  CefString frame_name;  // empty: the main frame
  cef_transition_type_t transition = TT_EXPLICIT;
  int http_status = 200;
};

// OnLoadingStateChange, OnLoadStart, OnAddressChange (main frame), OnLoadEnd.
// False when the client stopped the load during OnLoadStart (it then got
// OnLoadError with ERR_ABORTED and no OnLoadEnd).
bool LoadPage(CefRefPtr<CefBrowser> browser, const PageLoad& load);
void FailLoad(CefRefPtr<CefBrowser> browser, const CefString& url, cef_errorcode_t error,
              const CefString& error_text, const CefString& frame_name = CefString());
void ChangeTitle(CefRefPtr<CefBrowser> browser, const CefString& title);
void ChangeAddress(CefRefPtr<CefBrowser> browser, const CefString& url, const CefString& frame_name = CefString());

using PopupRequest = cef_internal::PopupRequest;
using PopupOutcome = cef_internal::PopupOutcome;
PopupOutcome RequestPopup(CefRefPtr<CefBrowser> browser, const PopupRequest& request);

using ContextMenuParams = cef_internal::ContextMenuParams::Values;
using ContextMenuOutcome = cef_internal::ContextMenuOutcome;
using MenuItem = cef_internal::MenuModel::Item;
ContextMenuOutcome OpenContextMenu(CefRefPtr<CefBrowser> browser, bool with_print_and_source,
                                   const ContextMenuParams& params = ContextMenuParams());
// The client's answer from OnContextMenuCommand; nullopt when no menu was open.
std::optional<bool> PickContextMenuCommand(CefRefPtr<CefBrowser> browser, int command_id, int event_flags = 0);
bool DismissContextMenu(CefRefPtr<CefBrowser> browser);

using DownloadStart = cef_internal::DownloadStart;
using DownloadProgress = cef_internal::DownloadProgress;
using DownloadAnswer = cef_internal::BeforeDownloadCallback::Answer;
// The download's id, 0 when the client has no download handler.
uint32 StartDownload(CefRefPtr<CefBrowser> browser, const DownloadStart& start);
// The arguments of the client's CefBeforeDownloadCallback::Continue, if it came.
std::optional<DownloadAnswer> DownloadContinued(uint32 id);
// OnDownloadUpdated; returns whether the client cancelled through the item
// callback, nullopt for an unknown download.
std::optional<bool> UpdateDownload(uint32 id, const DownloadProgress& progress);

// OnProtocolExecution; the allow flag as the client left it.
bool AskProtocolExecution(CefRefPtr<CefBrowser> browser, const CefString& url, bool allow = false);
// OnRenderProcessTerminated.
void EndRenderer(CefRefPtr<CefBrowser> browser, cef_termination_status_t status = TS_PROCESS_CRASHED);
// A message from the renderer: the client's OnProcessMessageReceived answer.
bool SendToBrowser(CefRefPtr<CefBrowser> browser, CefRefPtr<CefProcessMessage> message);

}  // namespace cef::testing
