#include <map>

#include "src/browser/client_handlers.h"
#include "src/browser/page_events.h"

namespace cef_internal {

namespace {

struct Download {
  CefRefPtr<Browser> browser;
  DownloadState state;
  CefRefPtr<BeforeDownloadCallback> callback;
};

// UI thread only.
std::map<uint32, Download>& Downloads() {
  static auto* downloads = new std::map<uint32, Download>;
  return *downloads;
}

}  // namespace

uint32 StartDownload(CefRefPtr<Browser> browser, const DownloadStart& start) {
  static uint32 last_id = 0;
  CefRefPtr<CefDownloadHandler> handler = HandlerOf(browser, &CefClient::GetDownloadHandler);
  if (!handler)
    return 0;
  Download download{browser, DownloadState(), new BeforeDownloadCallback()};
  download.state.id = ++last_id;
  download.state.url = start.url;
  download.state.suggested_name = start.suggested_name;
  download.state.mime_type = start.mime_type;
  download.state.total_bytes = start.total_bytes;
  Downloads()[download.state.id] = download;

  CefRefPtr<DownloadItem> item = new DownloadItem(download.state);
  handler->OnBeforeDownload(browser.get(), item.get(), start.suggested_name, download.callback.get());
  item->Invalidate();
  return download.state.id;
}

std::optional<BeforeDownloadCallback::Answer> DownloadAnswer(uint32 id) {
  auto found = Downloads().find(id);
  if (found == Downloads().end())
    return std::nullopt;
  return found->second.callback->answer();
}

bool UpdateDownload(uint32 id, const DownloadProgress& progress, bool* canceled) {
  auto found = Downloads().find(id);
  if (found == Downloads().end())
    return false;
  Download& download = found->second;
  download.state.received_bytes = progress.received_bytes;
  download.state.complete = progress.complete;
  download.state.canceled = progress.canceled;
  download.state.full_path = progress.full_path;
  if (progress.full_path.empty()) {
    if (auto answer = download.callback->answer())
      download.state.full_path = answer->download_path;
  }
  const Download current = download;
  if (progress.complete || progress.canceled)
    Downloads().erase(found);

  CefRefPtr<DownloadItemCallback> item_callback = new DownloadItemCallback();
  if (CefRefPtr<CefDownloadHandler> handler = HandlerOf(current.browser, &CefClient::GetDownloadHandler)) {
    CefRefPtr<DownloadItem> item = new DownloadItem(current.state);
    handler->OnDownloadUpdated(current.browser.get(), item.get(), item_callback.get());
    item->Invalidate();
  }
  if (canceled)
    *canceled = item_callback->canceled();
  return true;
}

}  // namespace cef_internal
