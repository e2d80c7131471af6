// The engine, started once for the whole test program on the GTK desktop
// (a GUI thread can be adopted only once per process), a visible parent
// window on the UI thread for each test, and a recording client.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "page_server.h"
#include "test_client.h"

// The engine's cache folder (a new folder for each run); its locale is
// "zh-CN" and its application gives it "--disable-web-security".
const std::string& EngineCachePath();

// Runs |fn| on the engine's UI thread and waits for it.
void OnUiThread(const std::function<void()>& fn);

// Polls |condition| until it holds or, after |seconds|, gives up; the
// engine runs meanwhile on its own thread.
bool Eventually(const std::function<bool()>& condition, int seconds = 30);

// True once |client| recorded a call |name| whose detail contains |detail|.
bool Recorded(CefRefPtr<RecordingClient> client, const std::string& name, const std::string& detail = "");

class WebKitEngineTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A browser in a child window of the parent, loading |url|; waits for it.
  CefRefPtr<CefBrowser> Open(const std::string& url);

  PageServer server_;
  CefRefPtr<TestClient> client_ = new TestClient;
  CefRefPtr<CefBrowser> browser_;
  HWND parent_ = NULL;
};
