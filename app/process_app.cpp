#include "app/process_app.h"

#include <string>

#include "app/browser_app.h"
#include "renderer/renderer_app.h"

CefRefPtr<CefApp> CreateProcessApp(CefRefPtr<CefCommandLine> commandLine) {
  const std::string processType = commandLine->GetSwitchValue("type").ToString();
  if (processType == "renderer")
    return new CRendererApp();
  return new CBrowserApp();
}
