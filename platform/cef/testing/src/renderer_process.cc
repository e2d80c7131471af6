#include "cef/testing/renderer_process.h"

#include "src/process/renderer_host.h"
#include "src/process/renderer_host_hooks.h"

namespace cef {
namespace testing {

using cef_internal::CurrentRendererHost;
using cef_internal::RendererHost;

void SetRendererExecutable(const std::string& path) {
  cef_internal::SetRendererExecutable(path);
}

void SetInProcessRendererApp(CefRefPtr<CefApp> app) {
  cef_internal::SetInProcessRendererApp(app);
}

void ResetRendererKnobs() {
  cef_internal::SetRendererExecutable(std::nullopt);
  cef_internal::SetInProcessRendererApp(nullptr);
}

PageCallResult CallPageFunction(CefRefPtr<CefBrowser> browser, const std::string& frame_name,
                                const std::string& name, const CefV8ValueList& arguments) {
  return CallPageFunctionRepeatedly(browser, frame_name, name, arguments, 1).at(0);
}

std::vector<PageCallResult> CallPageFunctionRepeatedly(CefRefPtr<CefBrowser> browser,
                                                       const std::string& frame_name,
                                                       const std::string& name,
                                                       const CefV8ValueList& arguments,
                                                       int times) {
  std::vector<PageCallResult> results(times > 0 ? times : 0);
  std::shared_ptr<RendererHost> host = CurrentRendererHost();
  if (!host || !browser) {
    for (PageCallResult& result : results)
      result.exception = "Error: no renderer";
    return results;
  }
  std::vector<cef_internal::PageAnswer> answers =
      host->CallPage(browser->GetIdentifier(), frame_name, name, arguments, times);
  for (size_t i = 0; i < results.size(); ++i) {
    results[i].value = answers[i].value;
    results[i].exception = answers[i].exception.ToString();
  }
  return results;
}

int RendererProcessId() {
  std::shared_ptr<RendererHost> host = CurrentRendererHost();
  return host ? host->pid() : 0;
}

void BreakRendererConnection() {
  if (std::shared_ptr<RendererHost> host = CurrentRendererHost())
    host->Break();
}

std::optional<int> WaitForRendererEnd() {
  if (std::shared_ptr<RendererHost> host = CurrentRendererHost())
    return host->WaitForEnd();
  return cef_internal::LastRendererExitCode();
}

}  // namespace testing
}  // namespace cef
