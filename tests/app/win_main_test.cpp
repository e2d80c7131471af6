// The program entry, run as each process the executable becomes. Every test runs in its own
// process (CTest runs them one by one), as the program would.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "UIlib.h"
#include "app/browser_app.h"
#include "cef/testing/engine.h"
#include "products/product.h"
#include "temp_folder.h"
#include "win32/testing/environment.h"
#include "win32/testing/window_view.h"

namespace {

class WinMainTest : public ::testing::Test {
 protected:
  WinMainTest() {
    setenv("TMPDIR", temp_.Path().c_str(), 1);
    oldCacheFile_ = temp_.Write("Quellix/old.dat", "from the last run");
  }
  ~WinMainTest() override {
    if (program_.joinable())
      program_.join();
    win32::testing::Reset();
    cef::testing::ResetKnobs();
  }

  int Run(const std::wstring& commandLine) {
    win32::testing::SetCommandLine(commandLine);
    return WinMain(::GetModuleHandleW(NULL), NULL, const_cast<LPSTR>(""), SW_SHOWNORMAL);
  }

  // Starts the browser process on a thread that serves as the program's main thread and
  // returns its login window once it is shown, the entry's last step before its loop.
  HWND StartBrowserProcess(const std::wstring& commandLine) {
    win32::testing::SetCommandLine(commandLine);
    program_ = std::thread([this] {
      exitCode_ = WinMain(::GetModuleHandleW(NULL), NULL, const_cast<LPSTR>(""), SW_SHOWNORMAL);
    });
    HWND login = NULL;
    win32::testing::WaitUntil([&] {
      login = win32::testing::FindWindowByClass(L"Quellix_LoginWnd");
      const auto info = win32::testing::Describe(login);
      return info && info->visible;
    });
    return login;
  }

  // Ends the main thread's message loop, as the login window does when it goes, and returns
  // the program's exit code.
  int StopBrowserProcess(HWND login) {
    win32::testing::RunOnWindowThread(login, [] { ::PostQuitMessage(0); });
    program_.join();
    return exitCode_;
  }

  bool NothingButTheEngineRoleRan() {
    return cef::testing::InitializeCallCount() == 0 && win32::testing::Windows().empty() &&
           DuiLib::CPaintManagerUI::GetInstance() == NULL && std::filesystem::exists(oldCacheFile_);
  }

  static std::string RecordedCachePath() {
    const CefSettings settings = cef::testing::RecordedSettings();
    return CefString(&settings.cache_path).ToString();
  }

  TempFolder temp_;
  std::string oldCacheFile_;
  std::thread program_;
  int exitCode_ = -1;
};

// Which application object each role gets is proved with the role choice itself; here the
// engine must run the role and the process must end with the role's result.
TEST_F(WinMainTest, SubProcessReturnsItsRolesResultAndTouchesNothingElse) {
  const std::wstring longArgument(100000, L'x');
  const struct {
    std::wstring commandLine;
    int exitCode;
  } cases[] = {
      {L"Vantellis.exe --type=renderer", 0},  // the renderer's own result
      {L"\"C:\\Program Files\\Quellix\\Vantellis.exe\" --type=renderer", 0},
      {L"Vantellis.exe --type=gpu-process", 3},
      {L"Vantellis.exe --type=Renderer", 4},
      {L"Vantellis.exe \"--type=renderer \"", 5},
      {L"Vantellis.exe --type=utility " + longArgument, 6},
      {L"Vantellis.exe --type=" + longArgument, 7},
  };
  for (const auto& c : cases) {
    cef::testing::SetSubprocessExitCode(c.exitCode == 0 ? 9 : c.exitCode);
    EXPECT_EQ(Run(c.commandLine), c.exitCode) << CefString(c.commandLine.substr(0, 60)).ToString();
  }
  EXPECT_TRUE(NothingButTheEngineRoleRan());
}

TEST_F(WinMainTest, FailedComInitialisationEndsWithZeroAndTouchesNothing) {
  win32::testing::SetCoInitializeFails(true);
  EXPECT_EQ(Run(L"Vantellis.exe"), 0);
  EXPECT_TRUE(NothingButTheEngineRoleRan());
}

TEST_F(WinMainTest, BrowserProcessStartsTheEngineWithItsSettings) {
  const HWND login = StartBrowserProcess(L"Vantellis.exe");
  ASSERT_NE(login, (HWND)NULL);

  const CefSettings settings = cef::testing::RecordedSettings();
  EXPECT_EQ(settings.no_sandbox, 1);
  EXPECT_EQ(settings.multi_threaded_message_loop, 1);
  EXPECT_EQ(settings.command_line_args_disabled, 1);
  EXPECT_EQ(settings.ignore_certificate_errors, 1);
  EXPECT_EQ(CefString(&settings.cache_path).ToString(), temp_.Path() + "/Quellix");
  EXPECT_EQ(CefString(&settings.locale).ToString(), "zh-CN");
  EXPECT_EQ(settings.single_process, 0);
  EXPECT_EQ(settings.windowless_rendering_enabled, 0);
  EXPECT_EQ(settings.persist_session_cookies, 0);
  EXPECT_EQ(settings.remote_debugging_port, 0);
  EXPECT_TRUE(CefString(&settings.user_agent).empty());
  EXPECT_TRUE(CefString(&settings.user_data_path).empty());
  EXPECT_TRUE(CefString(&settings.browser_subprocess_path).empty());

  CefRefPtr<CefCommandLine> commandLine = cef::testing::GlobalCommandLine();
  ASSERT_TRUE(commandLine.get());
  std::vector<CefString> argv;
  commandLine->GetArgv(argv);
  ASSERT_EQ(argv.size(), 3u);
  EXPECT_EQ(argv[1].ToString(), "--disable-web-security");
  EXPECT_EQ(argv[2].ToString(), "--ppapi-flash-path=PepperFlash/pepflashplayer.dll");
  EXPECT_NE(dynamic_cast<CBrowserApp*>(cef::testing::RunningApp().get()), nullptr);

  EXPECT_EQ(StopBrowserProcess(login), 0);
  EXPECT_FALSE(cef::testing::EngineRunning());
}

TEST_F(WinMainTest, BrowserProcessShowsTheLoginWindowCentred) {
  const HWND login = StartBrowserProcess(L"");
  ASSERT_NE(login, (HWND)NULL);
  const auto info = win32::testing::Describe(login);
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->caption, kLoginCaption);
  EXPECT_EQ(info->style & (WS_POPUP | WS_CHILD | WS_CAPTION), DWORD(WS_POPUP));
  EXPECT_EQ(info->ex_style & ~DWORD(WS_EX_LAYERED | WS_EX_APPWINDOW), 0u);
  EXPECT_TRUE(info->visible);
  // Centred in the default 1920x1040 work area.
  EXPECT_NEAR((info->rect.left + info->rect.right) / 2, 960, 1);
  EXPECT_NEAR((info->rect.top + info->rect.bottom) / 2, 520, 1);
  EXPECT_EQ(StopBrowserProcess(login), 0);
}

TEST_F(WinMainTest, BrowserProcessEmptiesTheCacheFolderAndKeepsIt) {
  temp_.Write("Quellix/Cache/index", "x");
  temp_.Write("neighbour.dat", "x");
  ::testing::internal::CaptureStdout();
  const HWND login = StartBrowserProcess(L"Vantellis.exe --type=");
  const std::string output = ::testing::internal::GetCapturedStdout();
  ASSERT_NE(login, (HWND)NULL);
  EXPECT_EQ(output, "");
  EXPECT_TRUE(std::filesystem::is_directory(temp_.Path() + "/Quellix"));
  EXPECT_TRUE(std::filesystem::is_empty(temp_.Path() + "/Quellix"));
  EXPECT_TRUE(std::filesystem::exists(temp_.Path() + "/neighbour.dat"));
  EXPECT_EQ(StopBrowserProcess(login), 0);
}

TEST_F(WinMainTest, MissingTemporaryFolderPutsTheCacheInTheCurrentFolder) {
  // The program's current folder is a scratch folder, so a relative cache path touches
  // nothing else.
  TempFolder current;
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(current.Path());
  win32::testing::SetTempPathFails(true);
  ::testing::internal::CaptureStdout();
  const HWND login = StartBrowserProcess(L"Vantellis.exe");
  const std::string output = ::testing::internal::GetCapturedStdout();
  ASSERT_NE(login, (HWND)NULL);
  EXPECT_EQ(RecordedCachePath(), "Quellix");
  EXPECT_EQ(output, "Path is invalid.\n");
  EXPECT_TRUE(std::filesystem::exists(oldCacheFile_)) << "the temporary folder's cache is not this one";
  EXPECT_EQ(StopBrowserProcess(login), 0);
  std::filesystem::current_path(before);
}

TEST_F(WinMainTest, TemporaryFolderThatDoesNotExistIsReportedAndStartUpGoesOn) {
  const std::string missing = temp_.Path() + "/gone";
  setenv("TMPDIR", missing.c_str(), 1);
  ::testing::internal::CaptureStdout();
  const HWND login = StartBrowserProcess(L"Vantellis.exe");
  const std::string output = ::testing::internal::GetCapturedStdout();
  ASSERT_NE(login, (HWND)NULL);
  EXPECT_EQ(output, "Path is invalid.\n");
  EXPECT_EQ(RecordedCachePath(), missing + "/Quellix");
  EXPECT_EQ(StopBrowserProcess(login), 0);
}

}  // namespace
