// Downloads. Called on the UI thread.
#pragma once

#include "include/cef_base.h"
#include "include/cef_browser.h"
#include "include/cef_download_item.h"

class CefBeforeDownloadCallback : public virtual CefBase {
 public:
  // An empty |download_path| means the suggested name in the default folder;
  // |show_dialog| lets the user choose (Save As).
  virtual void Continue(const CefString& download_path, bool show_dialog) = 0;
};

class CefDownloadItemCallback : public virtual CefBase {
 public:
  virtual void Cancel() = 0;
};

class CefDownloadHandler : public virtual CefBase {
 public:
  // The download is cancelled unless |callback| is continued (now or later).
  virtual void OnBeforeDownload(CefRefPtr<CefBrowser> browser, CefRefPtr<CefDownloadItem> download_item,
                                const CefString& suggested_name,
                                CefRefPtr<CefBeforeDownloadCallback> callback) = 0;
  virtual void OnDownloadUpdated(CefRefPtr<CefBrowser> browser, CefRefPtr<CefDownloadItem> download_item,
                                 CefRefPtr<CefDownloadItemCallback> callback) {}
};
