// Renderer-process callbacks of an application. Every method is called on the
// render thread; the bodies here are the engine's defaults.
#pragma once

#include "include/cef_base.h"
#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "include/cef_load_handler.h"
#include "include/cef_process_message.h"
#include "include/cef_request.h"
#include "include/cef_v8.h"
#include "include/cef_values.h"

class CefDOMNode;

typedef enum {
  NAVIGATION_LINK_CLICKED = 0,
  NAVIGATION_FORM_SUBMITTED,
  NAVIGATION_BACK_FORWARD,
  NAVIGATION_RELOAD,
  NAVIGATION_FORM_RESUBMITTED,
  NAVIGATION_OTHER,
} cef_navigation_type_t;

class CefRenderProcessHandler : public virtual CefBase {
 public:
  typedef cef_navigation_type_t NavigationType;

  // |extra_info| is what the browser process gave for this renderer.
  virtual void OnRenderThreadCreated(CefRefPtr<CefListValue> extra_info) {}

  virtual void OnWebKitInitialized() {}

  virtual void OnBrowserCreated(CefRefPtr<CefBrowser> browser) {}

  virtual void OnBrowserDestroyed(CefRefPtr<CefBrowser> browser) {}

  virtual CefRefPtr<CefLoadHandler> GetLoadHandler() { return NULL; }

  // Return true to cancel the navigation.
  virtual bool OnBeforeNavigation(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                  CefRefPtr<CefRequest> request,
                                  NavigationType navigation_type, bool is_redirect) {
    return false;
  }

  // A new context for a frame's new document; script of the document runs
  // only after this returns.
  virtual void OnContextCreated(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                CefRefPtr<CefV8Context> context) {}

  // The context is about to go: its document is being replaced or its frame
  // or browser closed.
  virtual void OnContextReleased(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                 CefRefPtr<CefV8Context> context) {}

  virtual void OnUncaughtException(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                   CefRefPtr<CefV8Context> context,
                                   CefRefPtr<CefV8Exception> exception,
                                   CefRefPtr<CefV8StackTrace> stackTrace) {}

  // |node| is NULL when no node has the focus.
  virtual void OnFocusedNodeChanged(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                    CefRefPtr<CefDOMNode> node) {}

  // Return true when the message was handled.
  virtual bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser,
                                        CefProcessId source_process,
                                        CefRefPtr<CefProcessMessage> message) {
    return false;
  }
};
