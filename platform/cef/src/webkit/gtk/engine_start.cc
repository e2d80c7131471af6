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
}

}  // namespace cef_internal
