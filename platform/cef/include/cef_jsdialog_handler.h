// JavaScript dialogs (alert, confirm, prompt, before-unload). Called on the UI thread.
#pragma once

#include "include/cef_base.h"
#include "include/cef_browser.h"

class CefJSDialogCallback : public virtual CefBase {
 public:
  virtual void Continue(bool success, const CefString& user_input) = 0;
};

class CefJSDialogHandler : public virtual CefBase {
 public:
  typedef cef_jsdialog_type_t JSDialogType;

  // Return true to answer through |callback|, or set |suppress_message| and
  // return false to drop the dialog; false alone shows the engine's own.
  virtual bool OnJSDialog(CefRefPtr<CefBrowser> browser, const CefString& origin_url,
                          const CefString& accept_lang, JSDialogType dialog_type, const CefString& message_text,
                          const CefString& default_prompt_text, CefRefPtr<CefJSDialogCallback> callback,
                          bool& suppress_message) {
    return false;
  }
  virtual bool OnBeforeUnloadDialog(CefRefPtr<CefBrowser> browser, const CefString& message_text, bool is_reload,
                                    CefRefPtr<CefJSDialogCallback> callback) {
    return false;
  }
  virtual void OnResetDialogState(CefRefPtr<CefBrowser> browser) {}
  virtual void OnDialogClosed(CefRefPtr<CefBrowser> browser) {}
};
