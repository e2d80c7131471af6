// Requests of a browser. Called on the UI thread unless noted.
#pragma once

#include "include/cef_base.h"
#include "include/cef_browser.h"
#include "include/cef_callback.h"
#include "include/cef_frame.h"
#include "include/cef_request.h"
#include "include/cef_resource_handler.h"
#include "include/cef_response.h"

class CefRequestCallback : public virtual CefBase {
 public:
  virtual void Continue(bool allow) = 0;
  virtual void Cancel() = 0;
};

class CefAuthCallback : public virtual CefBase {
 public:
  virtual void Continue(const CefString& username, const CefString& password) = 0;
  virtual void Cancel() = 0;
};

class CefSSLInfo : public virtual CefBase {
 public:
  virtual int GetCertStatus() = 0;
  virtual bool IsCertStatusError() = 0;
};

class CefRequestHandler : public virtual CefBase {
 public:
  typedef cef_return_value_t ReturnValue;
  typedef cef_termination_status_t TerminationStatus;
  typedef cef_window_open_disposition_t WindowOpenDisposition;

  // Return true to cancel the navigation.
  virtual bool OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                              CefRefPtr<CefRequest> request, bool is_redirect) {
    return false;
  }
  // Return true to cancel the navigation in the source browser.
  virtual bool OnOpenURLFromTab(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                const CefString& target_url, WindowOpenDisposition target_disposition,
                                bool user_gesture) {
    return false;
  }
  // Called on the IO thread. RV_CONTINUE_ASYNC waits for |callback|.
  virtual ReturnValue OnBeforeResourceLoad(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                           CefRefPtr<CefRequest> request, CefRefPtr<CefRequestCallback> callback) {
    return RV_CONTINUE;
  }
  // Called on the IO thread; NULL lets the engine load the resource.
  virtual CefRefPtr<CefResourceHandler> GetResourceHandler(CefRefPtr<CefBrowser> browser,
                                                           CefRefPtr<CefFrame> frame,
                                                           CefRefPtr<CefRequest> request) {
    return NULL;
  }
  // Called on the IO thread.
  virtual void OnResourceRedirect(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                  CefRefPtr<CefRequest> request, CefString& new_url) {}
  // Called on the IO thread. Return true to restart with a changed |request|.
  virtual bool OnResourceResponse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                  CefRefPtr<CefRequest> request, CefRefPtr<CefResponse> response) {
    return false;
  }
  // Called on the IO thread. Return true and answer through |callback|.
  virtual bool GetAuthCredentials(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, bool isProxy,
                                  const CefString& host, int port, const CefString& realm,
                                  const CefString& scheme, CefRefPtr<CefAuthCallback> callback) {
    return false;
  }
  // Called on the IO thread. Return true and answer through |callback|.
  virtual bool OnQuotaRequest(CefRefPtr<CefBrowser> browser, const CefString& origin_url, int64 new_size,
                              CefRefPtr<CefRequestCallback> callback) {
    return false;
  }
  // A URL with a scheme the engine cannot load; set |allow_os_execution| to
  // hand it to the program the system registers for the scheme.
  virtual void OnProtocolExecution(CefRefPtr<CefBrowser> browser, const CefString& url,
                                   bool& allow_os_execution) {}
  // Return true and answer through |callback|; false cancels the request.
  virtual bool OnCertificateError(CefRefPtr<CefBrowser> browser, cef_errorcode_t cert_error,
                                  const CefString& request_url, CefRefPtr<CefSSLInfo> ssl_info,
                                  CefRefPtr<CefRequestCallback> callback) {
    return false;
  }
  virtual void OnPluginCrashed(CefRefPtr<CefBrowser> browser, const CefString& plugin_path) {}
  virtual void OnRenderViewReady(CefRefPtr<CefBrowser> browser) {}
  virtual void OnRenderProcessTerminated(CefRefPtr<CefBrowser> browser, TerminationStatus status) {}
};
