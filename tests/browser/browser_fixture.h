// Real browser windows on a stand-in main thread, with the engine's pages driven by the test.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <vector>

#include "browser/browser_wnd.h"
#include "browser/cef_browser_ui.h"
#include "cef/testing/page.h"
#include "mock_browser_events.h"
#include "win32/testing/desktop_records.h"
#include "window_thread.h"

class BrowserFixture : public ::testing::Test {
 protected:
  struct Opened {
    CBrowserWnd* wnd = NULL;  // deletes itself with its window
    HWND hwnd = NULL;
    CefRefPtr<CefBrowser> browser;
  };

  void SetUp() override;
  void TearDown() override;

  // A plain top-level window on the main thread, standing for a launcher window.
  HWND CreateOwner(DWORD style = WS_POPUP | WS_VISIBLE);
  // A browser window made as the launcher windows make it, with its browser.
  Opened OpenBrowserWindow(ICefBrowserHandler* events, HWND owner = NULL,
                           bool can_maximize = false,
                           const std::function<void(CBrowserWnd*)>& after_create = nullptr);
  // The same on the engine's UI thread, where the game window makes its browser window.
  Opened OpenBrowserWindowOnUiThread(ICefBrowserHandler* events);
  // Runs fn with the window's browser control, on the window's thread.
  bool WithBrowserControl(HWND hwnd, const std::function<void(CCefBrowserUI*)>& fn);
  static HWND BrowserWindowOf(CefRefPtr<CefBrowser> browser);
  // Lets the window thread and the engine's UI thread finish what they were given.
  void Settle();

  ::testing::NiceMock<MockBrowserEvents> events_;
  WindowThread main_;
  std::vector<HWND> top_level_;
  std::vector<HWND> ui_thread_windows_;
};
