#include "src/webkit/gtk/downloads.h"

#include <gtk/gtk.h>

#include <string>

#include "src/browser/page_events.h"

namespace cef_internal {

namespace {

// Lives as long as its download (as the download's data).
struct Tracked {
  CefRefPtr<Browser> browser;
  uint32 id = 0;
  std::string path;
  bool ended = false;
};

const char kTrackedKey[] = "cef-download";

Tracked* TrackedOf(WebKitDownload* download) {
  return static_cast<Tracked*>(g_object_get_data(G_OBJECT(download), kTrackedKey));
}

void Report(WebKitDownload* download, bool complete, bool canceled) {
  Tracked* tracked = TrackedOf(download);
  if (!tracked || tracked->ended || !tracked->id)
    return;
  tracked->ended = complete || canceled;
  DownloadProgress progress;
  progress.received_bytes = static_cast<int64>(webkit_download_get_received_data_length(download));
  progress.complete = complete;
  progress.canceled = canceled;
  const char* destination = webkit_download_get_destination(download);
  progress.full_path = destination ? destination : tracked->path;
  bool canceled_by_client = false;
  UpdateDownload(tracked->id, progress, &canceled_by_client);
  if (canceled_by_client && !tracked->ended) {
    tracked->ended = true;
    webkit_download_cancel(download);
  }
}

void OnReceivedData(WebKitDownload* download, guint64 length, gpointer) { Report(download, false, false); }
void OnFinished(WebKitDownload* download, gpointer) { Report(download, true, false); }
void OnFailed(WebKitDownload* download, GError* error, gpointer) { Report(download, false, true); }

std::string DefaultFolder() {
  const char* folder = g_get_user_special_dir(G_USER_DIRECTORY_DOWNLOAD);
  return folder ? folder : g_get_home_dir();
}

void OnSaveAsAnswer(GtkDialog* dialog, int response, WebKitDownload* download) {
  if (response == GTK_RESPONSE_ACCEPT) {
    char* path = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(dialog));
    if (Tracked* tracked = TrackedOf(download))
      tracked->path = path ? path : "";
    webkit_download_set_destination(download, path ? path : "");
    g_free(path);
  } else {
    webkit_download_cancel(download);
  }
  gtk_widget_destroy(GTK_WIDGET(dialog));
  g_object_unref(download);
}

// The player picks the file; the download waits for the answer.
void AskSaveAs(WebKitDownload* download, const std::string& proposed) {
  WebKitWebView* view = webkit_download_get_web_view(download);
  GtkWidget* top = view ? gtk_widget_get_toplevel(GTK_WIDGET(view)) : nullptr;
  GtkWidget* dialog = gtk_file_chooser_dialog_new(
      "Save As", top && gtk_widget_is_toplevel(top) ? GTK_WINDOW(top) : nullptr, GTK_FILE_CHOOSER_ACTION_SAVE,
      "_Cancel", GTK_RESPONSE_CANCEL, "_Save", GTK_RESPONSE_ACCEPT, nullptr);
  GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
  gtk_file_chooser_set_do_overwrite_confirmation(chooser, TRUE);
  char* folder = g_path_get_dirname(proposed.c_str());
  char* name = g_path_get_basename(proposed.c_str());
  gtk_file_chooser_set_current_folder(chooser, folder);
  gtk_file_chooser_set_current_name(chooser, name);
  g_free(folder);
  g_free(name);
  g_object_ref(download);
  g_signal_connect(dialog, "response", G_CALLBACK(&OnSaveAsAnswer), download);
  gtk_widget_show(dialog);
}

gboolean OnDecideDestination(WebKitDownload* download, const char* suggested_name, gpointer) {
  Tracked* tracked = TrackedOf(download);
  WebKitURIResponse* response = webkit_download_get_response(download);
  DownloadStart start;
  start.url = webkit_uri_request_get_uri(webkit_download_get_request(download));
  start.suggested_name = suggested_name ? suggested_name : "";
  if (response) {
    const char* mime = webkit_uri_response_get_mime_type(response);
    start.mime_type = mime ? mime : "";
    const guint64 length = webkit_uri_response_get_content_length(response);
    start.total_bytes = length ? static_cast<int64>(length) : -1;
  }
  tracked->id = tracked->browser ? StartDownload(tracked->browser, start) : 0;
  const std::optional<BeforeDownloadCallback::Answer> answer =
      tracked->id ? DownloadAnswer(tracked->id) : std::nullopt;
  if (!answer) {
    webkit_download_cancel(download);
    return TRUE;
  }
  std::string path = answer->download_path.ToString();
  if (path.empty()) {
    char* joined = g_build_filename(DefaultFolder().c_str(), suggested_name ? suggested_name : "download", nullptr);
    path = joined;
    g_free(joined);
  }
  tracked->path = path;
  if (answer->show_dialog)
    AskSaveAs(download, path);
  else
    webkit_download_set_destination(download, path.c_str());
  return TRUE;
}

struct Watcher {
  BrowserOfView browser_of_view;
};

void OnDownloadStarted(WebKitWebContext* context, WebKitDownload* download, Watcher* watcher) {
  WebKitWebView* view = webkit_download_get_web_view(download);
  auto* tracked = new Tracked;
  tracked->browser = view ? watcher->browser_of_view(view) : nullptr;
  g_object_set_data_full(G_OBJECT(download), kTrackedKey, tracked,
                         [](gpointer data) { delete static_cast<Tracked*>(data); });
  g_signal_connect(download, "decide-destination", G_CALLBACK(&OnDecideDestination), nullptr);
  g_signal_connect(download, "received-data", G_CALLBACK(&OnReceivedData), nullptr);
  g_signal_connect(download, "finished", G_CALLBACK(&OnFinished), nullptr);
  g_signal_connect(download, "failed", G_CALLBACK(&OnFailed), nullptr);
}

}  // namespace

void HandleDownloads(WebKitWebContext* context, BrowserOfView browser_of_view) {
  g_signal_connect_data(context, "download-started", G_CALLBACK(&OnDownloadStarted),
                        new Watcher{std::move(browser_of_view)},
                        [](gpointer data, GClosure*) { delete static_cast<Watcher*>(data); }, GConnectFlags(0));
}

}  // namespace cef_internal
