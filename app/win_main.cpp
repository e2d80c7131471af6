#include <windows.h>

#include "UIlib.h"
#include "include/cef_app.h"

#include "app/app_config.h"
#include "app/process_app.h"
#include "app/skin_resource.h"
#include "products/product.h"
#include "windows/login_wnd.h"

using namespace DuiLib;

namespace {

// The temporary folder ends in a separator, so the folder name follows directly. Should the
// system not report one, the buffer stays empty and the cache lies in the current folder.
CDuiString MakeCachePath() {
  TCHAR szTempPath[MAX_PATH] = {0};
  ::GetTempPathW(MAX_PATH, szTempPath);
  CDuiString path = szTempPath;
  path += _T("Quellix");
  return path;
}

void FillSettings(CefSettings& settings, const CDuiString& cachePath) {
  settings.no_sandbox = 1;
  settings.multi_threaded_message_loop = 1;
  settings.command_line_args_disabled = 1;
  CefString(&settings.cache_path) = cachePath.GetData();
  CefString(&settings.locale) = "zh-CN";
  settings.ignore_certificate_errors = 1;
}

void ShowLoginWindow() {
  CLoginWnd* pLoginWnd = new CLoginWnd();
  pLoginWnd->Create(NULL, kLoginCaption, WS_POPUP, 0, 0, 0, 1622, 901, NULL);
  pLoginWnd->CenterWindow();
  pLoginWnd->ShowWindow(true, true);
}

}  // namespace

// Every process the executable becomes starts here: the browser process and each of the
// engine's sub-processes, told apart by the "type" switch.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
  CefMainArgs mainArgs(hInstance);
  CefRefPtr<CefCommandLine> commandLine = CefCommandLine::CreateCommandLine();
  // Only an engine runtime that does not match the build fails to give a command line.
  if (!commandLine)
    return 1;
  commandLine->InitFromString(::GetCommandLineW());

  CefRefPtr<CefApp> app = CreateProcessApp(commandLine);
  const int exitCode = CefExecuteProcess(mainArgs, app, NULL);
  if (exitCode >= 0)
    return exitCode;

  if (FAILED(::CoInitialize(NULL)))
    return 0;
  ::OleInitialize(NULL);
  CPaintManagerUI::SetInstance(hInstance);
  InitSkinResource();

  const CDuiString cachePath = MakeCachePath();
  AppConfig* config = AppConfig::GetInstance();
  config->SetCachePath(cachePath.GetData());
  if (kClearCacheAtStart)
    config->ClearCache();

  CefSettings settings;
  FillSettings(settings, cachePath);
  CefInitialize(mainArgs, settings, app, NULL);

  ShowLoginWindow();
  CPaintManagerUI::MessageLoop();

  if (!settings.single_process)
    CefShutdown();
  CResourceManager::GetInstance()->Release();
  return 0;
}
