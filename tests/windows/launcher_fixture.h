// Runs the program entry on a thread standing in for the main thread, over the headless
// desktop and the scripted engine, and offers what a player and a page would do to it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>

#include "cef/testing/browsers.h"
#include "cef/testing/page.h"
#include "duilib/testing/window_inspection.h"

// An address on which the start page hands over to the game.
extern const wchar_t kGameUrl[];

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override;
  // Leaves the game and closes the login window, answering yes, so the next test starts a
  // fresh program.
  void TearDown() override;

  // Closes the login window with the exit question answered yes and waits for the entry to
  // return; its exit code.
  int CloseProgram();

  HWND LoginWnd() const;
  // The newest live game window, or NULL.
  HWND MainWnd() const;
  int MainWndCount() const;
  // The browser host window owned by |owner|, or NULL.
  static HWND BrowserWndOf(HWND owner);
  // The browser shown in the browser host window of |owner|.
  static CefRefPtr<CefBrowser> BrowserOf(HWND owner);

  // Loads |url| in the login page as a link click; waits for the game window it opens.
  HWND HandOver(const wchar_t* url = kGameUrl, const wchar_t* frame = L"");

  // Every message box from now on gets |answer|.
  static void AnswerMessageBoxes(int answer);
  // The menu item chosen in every tracked menu from now on (0: none).
  static void ChooseMenuItems(UINT_PTR id);

  static std::optional<duilib::testing::ControlInfo> Control(HWND hwnd, const wchar_t* name);
  // Clicks the middle of the named control as the player would.
  static void ClickControl(HWND hwnd, const wchar_t* name);
  // Handles every message already posted to |hwnd| before returning.
  static void Settle(HWND hwnd);

  static bool IsVisible(HWND hwnd);

  std::string m_tempDir;
  std::string m_cacheDir;

 private:
  void CloseGameWindows();

  std::thread m_mainThread;
  std::atomic<int> m_exitCode{-1};
  bool m_programEnded = false;
};
