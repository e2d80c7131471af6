#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cef/testing/engine.h"
#include "include/cef_app.h"
#include "include/cef_task.h"
#include "win32/testing/environment.h"

namespace {

class SwitchApp : public CefApp, public CefBrowserProcessHandler {
 public:
  void OnBeforeCommandLineProcessing(const CefString& process_type, CefRefPtr<CefCommandLine> command_line) override {
    types.push_back(process_type.ToString() + (CefCurrentlyOn(TID_UI) ? "@ui" : ""));
    if (process_type.empty())
      command_line->AppendSwitch("--disable-web-security");
  }
  CefRefPtr<CefBrowserProcessHandler> GetBrowserProcessHandler() override { return this; }
  void OnContextInitialized() override {
    context_initialized_on_ui = CefCurrentlyOn(TID_UI);
    ++context_initialized;
  }

  std::vector<std::string> types;
  int context_initialized = 0;
  bool context_initialized_on_ui = false;

 private:
  IMPLEMENT_REFCOUNTING(SwitchApp);
};

class ProcessRoles : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::testing::Reset();
    cef::testing::ResetKnobs();
  }
  void TearDown() override {
    CefShutdown();
    cef::testing::ResetKnobs();
  }
  int Execute(const std::wstring& command_line, CefRefPtr<CefApp> app) {
    win32::testing::SetCommandLine(command_line);
    return CefExecuteProcess(CefMainArgs(GetModuleHandleW(NULL)), app, NULL);
  }
};

TEST_F(ProcessRoles, WithoutATypeTheProcessIsTheBrowser) {
  CefRefPtr<SwitchApp> app = new SwitchApp();
  EXPECT_EQ(Execute(L"app.exe", app.get()), -1);
  EXPECT_EQ(Execute(L"app.exe --type=", app.get()), -1);
  EXPECT_TRUE(app->types.empty());
  EXPECT_EQ(cef::testing::ExecuteProcessApp(), app.get());
}

TEST_F(ProcessRoles, OtherRolesRunToTheirExitCodeUnchanged) {
  CefRefPtr<SwitchApp> app = new SwitchApp();
  for (int code : {0, 3, -5, 255}) {
    cef::testing::SetSubprocessExitCode(code);
    EXPECT_EQ(Execute(L"app.exe --type=gpu-process --lang=zh-CN", app.get()), code);
  }
  EXPECT_EQ(Execute(L"app.exe --type=Renderer", app.get()), 255);  // role names are case-sensitive
  EXPECT_EQ(app->types.back(), "Renderer");
  EXPECT_TRUE(app->HasOneRef());  // the engine let go of the application
}

TEST_F(ProcessRoles, RendererRoleEndsWithoutABrowserToServe) {
  CefRefPtr<SwitchApp> app = new SwitchApp();
  cef::testing::SetSubprocessExitCode(9);
  EXPECT_EQ(Execute(L"app.exe --type=renderer", app.get()), 0);
  EXPECT_EQ(app->types, std::vector<std::string>{"renderer"});
}

TEST_F(ProcessRoles, InitializeRecordsSettingsAndPreparesTheGlobalCommandLine) {
  win32::testing::SetCommandLine(L"app.exe --from-process");
  CefRefPtr<SwitchApp> app = new SwitchApp();
  CefSettings settings;
  settings.no_sandbox = 1;
  settings.multi_threaded_message_loop = 1;
  settings.command_line_args_disabled = 1;
  CefString(&settings.locale) = "zh-CN";
  ASSERT_TRUE(CefInitialize(CefMainArgs(NULL), settings, app.get(), NULL));

  CefSettings recorded = cef::testing::RecordedSettings();
  EXPECT_EQ(recorded.no_sandbox, 1);
  EXPECT_EQ(recorded.single_process, 0);
  EXPECT_EQ(CefString(&recorded.locale), "zh-CN");
  EXPECT_EQ(cef::testing::RunningApp().get(), static_cast<CefApp*>(app.get()));

  EXPECT_EQ(app->types, std::vector<std::string>{"@ui"});
  CefRefPtr<CefCommandLine> global = CefCommandLine::GetGlobalCommandLine();
  ASSERT_TRUE(global);
  EXPECT_TRUE(global->HasSwitch("disable-web-security"));
  EXPECT_FALSE(global->HasSwitch("from-process"));  // command_line_args_disabled
  EXPECT_TRUE(global->IsReadOnly());

  ASSERT_TRUE(cef::testing::WaitForUiIdle());
  EXPECT_EQ(app->context_initialized, 1);
  EXPECT_TRUE(app->context_initialized_on_ui);

  CefShutdown();
  EXPECT_FALSE(cef::testing::EngineRunning());
  EXPECT_TRUE(app->HasOneRef());
}

TEST_F(ProcessRoles, ProcessSwitchesReachTheEngineUnlessDisabled) {
  win32::testing::SetCommandLine(L"app.exe --from-process");
  ASSERT_TRUE(CefInitialize(CefMainArgs(NULL), CefSettings(), NULL, NULL));
  EXPECT_TRUE(CefCommandLine::GetGlobalCommandLine()->HasSwitch("from-process"));
}

TEST_F(ProcessRoles, InitializeCanBeMadeToFailAndRefusesASecondStart) {
  cef::testing::SetInitializeFails(true);
  CefSettings settings;
  settings.remote_debugging_port = 9222;
  EXPECT_FALSE(CefInitialize(CefMainArgs(NULL), settings, NULL, NULL));
  EXPECT_FALSE(cef::testing::EngineRunning());
  EXPECT_EQ(cef::testing::RecordedSettings().remote_debugging_port, 9222);
  CefShutdown();  // harmless without a running engine

  cef::testing::SetInitializeFails(false);
  EXPECT_TRUE(CefInitialize(CefMainArgs(NULL), CefSettings(), NULL, NULL));
  EXPECT_FALSE(CefInitialize(CefMainArgs(NULL), CefSettings(), NULL, NULL));
  EXPECT_TRUE(cef::testing::EngineRunning());
}

}  // namespace
