// Runs the engine for each test and gives it a parent window owned by the
// test thread.
#pragma once

#include <gtest/gtest.h>

#include "cef/testing/browsers.h"
#include "cef/testing/engine.h"
#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "recording_client.h"
#include "win32/testing/environment.h"

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    win32::testing::Reset();
    cef::testing::ResetKnobs();
    CefSettings settings;
    settings.multi_threaded_message_loop = 1;
    ASSERT_TRUE(CefInitialize(CefMainArgs(GetModuleHandleW(NULL)), settings, NULL, NULL));
    parent_ = MakeParent();
  }

  void TearDown() override {
    if (IsWindow(parent_))
      DestroyWindow(parent_);
    CefShutdown();
    cef::testing::ResetKnobs();
  }

  static HWND MakeParent() {
    static bool registered = false;
    if (!registered) {
      WNDCLASSEXW window_class = {};
      window_class.cbSize = sizeof(window_class);
      window_class.lpfnWndProc = DefWindowProcW;
      window_class.hInstance = GetModuleHandleW(NULL);
      window_class.lpszClassName = L"CefTestParent";
      RegisterClassExW(&window_class);
      registered = true;
    }
    return CreateWindowExW(0, L"CefTestParent", L"parent", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, NULL, NULL,
                           GetModuleHandleW(NULL), NULL);
  }

  // Creates a browser in |parent_| and waits until it has loaded (or, with
  // loads held, until it exists).
  CefRefPtr<CefBrowser> OpenBrowser(const CefString& url, CefRefPtr<RecordingClient> client) {
    CefWindowInfo info;
    RECT rect = {10, 20, 410, 320};
    info.SetAsChild(parent_, rect);
    EXPECT_TRUE(CefBrowserHost::CreateBrowser(info, client.get(), url, CefBrowserSettings(), NULL));
    return cef::testing::WaitForBrowserOfParent(parent_);
  }

  HWND parent_ = NULL;
};
