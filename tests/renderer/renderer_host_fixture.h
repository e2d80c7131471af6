// Runs the engine with its renderer for each test, and a client that
// records the process messages its browsers receive.
#pragma once

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "cef/testing/browsers.h"
#include "cef/testing/engine.h"
#include "cef/testing/renderer_process.h"
#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "include/cef_task.h"
#include "message_args.h"
#include "win32/testing/environment.h"

struct ReceivedMessage {
  int browser_id = 0;
  std::string name;
  std::vector<std::string> arguments;
  CefRefPtr<CefProcessMessage> message;
  bool on_ui_thread = false;
};

class MessageClient : public CefClient {
 public:
  bool OnProcessMessageReceived(CefRefPtr<CefBrowser> browser, CefProcessId source_process,
                                CefRefPtr<CefProcessMessage> message) override {
    ReceivedMessage received;
    received.browser_id = browser->GetIdentifier();
    received.name = message->GetName().ToString();
    received.arguments = ArgumentsOf(message);
    received.message = message;
    received.on_ui_thread = CefCurrentlyOn(TID_UI) && source_process == PID_RENDERER;
    std::lock_guard<std::mutex> held(lock_);
    received_.push_back(received);
    return true;
  }

  std::vector<ReceivedMessage> Received() {
    std::lock_guard<std::mutex> held(lock_);
    return received_;
  }

 private:
  std::mutex lock_;
  std::vector<ReceivedMessage> received_;

  IMPLEMENT_REFCOUNTING(MessageClient);
};

class RendererHostTest : public ::testing::Test {
 protected:
  // |executable| empty: the renderer runs in-process with |app|.
  void StartEngine(const std::string& executable, CefRefPtr<CefApp> app) {
    win32::testing::Reset();
    cef::testing::ResetKnobs();
    cef::testing::SetRendererExecutable(executable);
    cef::testing::SetInProcessRendererApp(app);
    CefSettings settings;
    settings.multi_threaded_message_loop = 1;
    ASSERT_TRUE(CefInitialize(CefMainArgs(GetModuleHandleW(NULL)), settings, NULL, NULL));
  }

  void TearDown() override {
    CefShutdown();
    cef::testing::ResetRendererKnobs();
    cef::testing::ResetKnobs();
  }

  // A windowless browser that has loaded |url| in its main frame.
  CefRefPtr<CefBrowser> OpenBrowser(const std::string& url) {
    CefWindowInfo info;
    info.SetAsWindowless(NULL, false);
    EXPECT_TRUE(CefBrowserHost::CreateBrowser(info, client_.get(), url, CefBrowserSettings(), NULL));
    return cef::testing::WaitForBrowserWithUrl(url);
  }

  CefRefPtr<MessageClient> client_ = new MessageClient;
};

inline CefV8ValueList Strings(const std::vector<std::string>& texts) {
  CefV8ValueList values;
  for (const std::string& text : texts)
    values.push_back(CefV8Value::CreateString(text));
  return values;
}
