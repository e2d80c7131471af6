// The browser engine refusing to start.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "cef/testing/browsers.h"
#include "cef/testing/engine.h"
#include "win32/testing/environment.h"
#include "win32/testing/desktop_records.h"
#include "win32/testing/window_view.h"

TEST(EngineFailureTest, FailedEngineStartStillShowsTheLoginWindowAndTheProgramEndsWithZero) {
  win32::testing::Reset();
  cef::testing::ResetKnobs();
  cef::testing::SetInitializeFails(true);
  win32::testing::SetCommandLine(L"hardening_tests.exe");
  win32::testing::SetMessageBoxAnswer(
      [](const win32::testing::MessageBoxRecord&) { return IDYES; });
  char pattern[] = "/tmp/quellix-engine-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  setenv("TMPDIR", pattern, 1);

  std::atomic<int> exitCode{-1};
  std::thread program([&] {
    char commandLine[] = "";
    exitCode = WinMain(GetModuleHandleW(NULL), NULL, commandLine, SW_SHOWNORMAL);
  });
  HWND login = NULL;
  EXPECT_TRUE(win32::testing::WaitUntil([&] {
    login = win32::testing::FindWindowByClass(L"Quellix_LoginWnd");
    const auto info = win32::testing::Describe(login);
    return info && info->visible;
  }));
  EXPECT_TRUE(cef::testing::Browsers().empty());
  PostMessageW(login, WM_CLOSE, 0, 0);
  program.join();
  EXPECT_EQ(exitCode, 0);
  std::filesystem::remove_all(pattern);
}
