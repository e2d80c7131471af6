// Page events the scripted engine raises on a browser. Every function runs on
// the UI thread and calls the client's handlers there.
#pragma once

#include <optional>
#include <vector>

#include "src/browser/browser.h"
#include "src/browser/context_menu_params.h"
#include "src/browser/download.h"
#include "src/browser/menu_model.h"

namespace cef_internal {

void ChangeTitle(CefRefPtr<Browser> browser, const CefString& title);
// The frame's address changes without a load; OnAddressChange for the main frame.
void ChangeAddress(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& url);

// The flag as the client left it (|allow| going in).
bool AskProtocolExecution(CefRefPtr<Browser> browser, const CefString& url, bool allow);
void TerminateRenderer(CefRefPtr<Browser> browser, cef_termination_status_t status);

struct PopupRequest {
  CefString frame_name;
  CefString target_url;
  CefString target_frame_name;
  cef_window_open_disposition_t disposition = WOD_NEW_FOREGROUND_TAB;
  bool user_gesture = true;
  CefPopupFeatures features;
};

struct PopupOutcome {
  bool asked = false;        // the client had a life-span handler
  bool suppressed = false;   // its answer
  bool would_open = false;   // the engine would open the popup
  CefWindowInfo window_info; // as the client left them
  CefRefPtr<CefClient> client;
  CefBrowserSettings settings;
  bool no_javascript_access = false;
};

PopupOutcome AskPopup(CefRefPtr<Browser> browser, const PopupRequest& request);

struct ContextMenuOutcome {
  bool asked = false;  // the client had a context-menu handler
  std::vector<MenuModel::Item> items;
  bool shown = false;  // the engine shows the menu (items left, client did not run it)
};

// The default model holds Back and Forward, and Print and View Source when
// |with_print_and_source|. The menu stays open for PickContextMenuCommand.
ContextMenuOutcome OpenContextMenu(CefRefPtr<Browser> browser, bool with_print_and_source,
                                   const ContextMenuParams::Values& params);
// OnContextMenuCommand, then OnContextMenuDismissed. An unhandled command is
// recorded as carried out by the engine. False when no menu is open.
bool PickContextMenuCommand(CefRefPtr<Browser> browser, int command_id, int event_flags, bool* handled);
bool DismissContextMenu(CefRefPtr<Browser> browser);

struct DownloadStart {
  CefString url;
  CefString suggested_name;
  CefString mime_type;
  int64 total_bytes = -1;
};

// OnBeforeDownload. Returns the download id (0 when the client has no
// download handler: the engine cancels it).
uint32 StartDownload(CefRefPtr<Browser> browser, const DownloadStart& start);
std::optional<BeforeDownloadCallback::Answer> DownloadAnswer(uint32 id);

struct DownloadProgress {
  int64 received_bytes = 0;
  bool complete = false;
  bool canceled = false;
  // Where the file went; when empty, the path the client gave in Continue.
  CefString full_path;
};

// OnDownloadUpdated. False for an unknown download. |*canceled| tells
// whether the client cancelled it through the item callback.
bool UpdateDownload(uint32 id, const DownloadProgress& progress, bool* canceled);

}  // namespace cef_internal
