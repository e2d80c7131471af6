// File dialogs. Called on the UI thread.
#pragma once

#include <vector>

#include "include/cef_base.h"
#include "include/cef_browser.h"

class CefFileDialogCallback : public virtual CefBase {
 public:
  virtual void Continue(int selected_accept_filter, const std::vector<CefString>& file_paths) = 0;
  virtual void Cancel() = 0;
};

class CefDialogHandler : public virtual CefBase {
 public:
  typedef cef_file_dialog_mode_t FileDialogMode;

  // Return true and answer through |callback|; false shows the engine's dialog.
  virtual bool OnFileDialog(CefRefPtr<CefBrowser> browser, FileDialogMode mode, const CefString& title,
                            const CefString& default_file_path, const std::vector<CefString>& accept_filters,
                            int selected_accept_filter, CefRefPtr<CefFileDialogCallback> callback) {
    return false;
  }
};
