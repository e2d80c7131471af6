#include "src/process/renderer_host_hooks.h"

#include <mutex>

#include "src/process/renderer_host.h"
#include "src/process/renderer_host_launch.h"

namespace cef_internal {

namespace {

struct HostState {
  std::mutex lock;
  std::shared_ptr<RendererHost> host;
  std::optional<std::string> executable;
  CefRefPtr<CefApp> in_process_app;
  std::optional<int> last_exit_code;
};

HostState& State() {
  static HostState* state = new HostState;
  return *state;
}

void SendToHost(const ProcessRecord& record) {
  if (std::shared_ptr<RendererHost> host = CurrentRendererHost())
    host->Send(record);
}

}  // namespace

void StartRendererHost(CefRefPtr<CefApp> app) {
  HostState& state = State();
  std::string executable;
  {
    std::lock_guard<std::mutex> held(state.lock);
    if (state.host)
      return;
    executable = state.executable ? *state.executable : DefaultRendererExecutable();
    if (state.in_process_app)
      app = state.in_process_app;
  }
  std::shared_ptr<RendererHost> host = RendererHost::Start(executable, app);
  if (!host)
    return;
  {
    std::lock_guard<std::mutex> held(state.lock);
    state.host = host;
  }
  ConnectRendererChannel(host);
}

void StopRendererHost() {
  HostState& state = State();
  std::shared_ptr<RendererHost> host;
  {
    std::lock_guard<std::mutex> held(state.lock);
    host.swap(state.host);
  }
  if (!host)
    return;
  ConnectRendererChannel(nullptr);
  host->Stop();
  const int exit_code = host->WaitForEnd();
  std::lock_guard<std::mutex> held(state.lock);
  state.last_exit_code = exit_code;
}

std::shared_ptr<RendererHost> CurrentRendererHost() {
  HostState& state = State();
  std::lock_guard<std::mutex> held(state.lock);
  return state.host;
}

void NotifyRendererBrowserCreated(int browser_id) {
  ProcessRecord record;
  record.kind = RecordKind::kBrowserCreated;
  record.browser_id = browser_id;
  SendToHost(record);
}

void NotifyRendererBrowserClosed(int browser_id) {
  ProcessRecord record;
  record.kind = RecordKind::kBrowserClosed;
  record.browser_id = browser_id;
  SendToHost(record);
}

void NotifyRendererDocument(int browser_id, const CefString& frame_name, const CefString& url) {
  ProcessRecord record;
  record.kind = RecordKind::kDocument;
  record.browser_id = browser_id;
  record.frame_name = frame_name;
  record.text = url;
  SendToHost(record);
}

void SetRendererExecutable(std::optional<std::string> executable) {
  HostState& state = State();
  std::lock_guard<std::mutex> held(state.lock);
  state.executable = std::move(executable);
}

void SetInProcessRendererApp(CefRefPtr<CefApp> app) {
  HostState& state = State();
  std::lock_guard<std::mutex> held(state.lock);
  state.in_process_app = app;
}

std::optional<int> LastRendererExitCode() {
  HostState& state = State();
  std::lock_guard<std::mutex> held(state.lock);
  return state.last_exit_code;
}

}  // namespace cef_internal
