// The engine under the browser model. Without one installed the scripted
// engine runs every page; an installed backend (WebKitGTK) takes the client's
// requests instead and reports what its pages do through the model's
// dispatch functions, on the UI thread.
#pragma once

#include "src/browser/browser.h"

namespace cef_internal {

class EngineBackend {
 public:
  virtual ~EngineBackend() = default;

  // UI thread: the browser's window exists and OnAfterCreated has run;
  // |url| is the first address (empty for none).
  virtual void Attach(CefRefPtr<Browser> browser, const CefString& url) = 0;
  // UI thread: the browser's window is being destroyed.
  virtual void Detach(CefRefPtr<Browser> browser) = 0;

  // Any thread; the backend carries them out on the UI thread.
  virtual void LoadURL(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& url) = 0;
  virtual void LoadString(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& text,
                          const CefString& url) = 0;
  virtual void ExecuteJavaScript(CefRefPtr<Browser> browser, CefRefPtr<Frame> frame, const CefString& code,
                                 const CefString& script_url, int start_line) = 0;
  virtual void StopLoad(CefRefPtr<Browser> browser) = 0;
  virtual void GoBy(CefRefPtr<Browser> browser, int offset) = 0;
  virtual void Reload(CefRefPtr<Browser> browser, bool ignore_cache) = 0;
};

// NULL while the scripted engine runs the pages.
EngineBackend* InstalledEngineBackend();
// The backend outlives every browser it was installed for; NULL uninstalls.
void InstallEngineBackend(EngineBackend* backend);

}  // namespace cef_internal
