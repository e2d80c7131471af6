#include "src/webkit/engine_start.h"

#include <string>

#include "src/webkit/gtk/webkit_engine.h"
#include "win32/gtk_host.h"

namespace cef_internal {

namespace {

WebKitEngine* g_engine = nullptr;  // UI thread only

std::string ProgramPath() {
  wchar_t path[MAX_PATH] = {0};
  const DWORD length = GetModuleFileNameW(NULL, path, MAX_PATH);
  return CefString(std::wstring(path, length)).ToString();
}

// The web extension of a program lies beside it, in a folder of its own
// (WebKit loads every library of that folder).
std::string WebExtensionDir(const std::string& program) {
  return program.empty() ? std::string() : program + "-web-extension";
}

// WebKit ends its objects through tasks queued to this thread's loop (from
// its connection threads too). A task still queued when the thread ends is
// destroyed under WebKit's own queue lock, which deadlocks with a connection
// thread queuing the next one; so the queue is left empty: run until nothing
// has come for a while (bounded, in case the web processes keep talking).
void RunWebKitTasksOut() {
  const gint64 quiet = G_USEC_PER_SEC / 10;
  const gint64 deadline = g_get_monotonic_time() + 2 * G_USEC_PER_SEC;
  gint64 last_event = g_get_monotonic_time();
  while (g_get_monotonic_time() < deadline && g_get_monotonic_time() - last_event < quiet) {
    if (g_main_context_iteration(nullptr, FALSE))
      last_event = g_get_monotonic_time();
    else
      g_usleep(1000);
  }
}

}  // namespace

// On the headless desktop the scripted engine stays.
void StartEngineBackend(const CefSettings& settings, CefRefPtr<CommandLine> command_line) {
  if (g_engine || !Win32GtkAdoptThread())
    return;
  EngineOptions options;
  options.cache_path = CefString(&settings.cache_path).ToString();
  options.locale = CefString(&settings.locale).ToString();
  options.ignore_certificate_errors = settings.ignore_certificate_errors != 0 ||
                                      command_line->HasSwitch("ignore-certificate-errors");
  options.disable_web_security = command_line->HasSwitch("disable-web-security");
  options.program = ProgramPath();
  options.web_extension_dir = WebExtensionDir(options.program);
  g_engine = new WebKitEngine(options);
  InstallEngineBackend(g_engine);
}

void StopEngineBackend() {
  if (!g_engine)
    return;
  InstallEngineBackend(nullptr);
  delete g_engine;
  g_engine = nullptr;
  RunWebKitTasksOut();
}

}  // namespace cef_internal
