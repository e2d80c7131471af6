#include "webkit_fixture.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>

#include "include/wrapper/cef_closure_task.h"

namespace {

// Switches the application gives the engine, as the launcher's does.
class SwitchingApp : public CefApp {
 public:
  void OnBeforeCommandLineProcessing(const CefString& process_type, CefRefPtr<CefCommandLine> command_line) override {
    command_line->AppendSwitch("--disable-web-security");
  }

 private:
  IMPLEMENT_REFCOUNTING(SwitchingApp);
};

class EngineEnvironment : public ::testing::Environment {
 public:
  // Before anything picks the desktop: the real one, and WebKit's web
  // process without its sandbox (the tests run as root in a container).
  void SetUp() override {
    setenv("QUELLIX_BACKEND", "real", 1);
    setenv("NO_AT_BRIDGE", "1", 0);
    setenv("WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS", "1", 0);
    CefSettings settings;
    settings.multi_threaded_message_loop = 1;
    settings.command_line_args_disabled = 1;
    CefString(&settings.cache_path) = EngineCachePath();
    CefString(&settings.locale) = "zh-CN";
    ASSERT_TRUE(CefInitialize(CefMainArgs(GetModuleHandleW(NULL)), settings, new SwitchingApp, NULL));
  }
  void TearDown() override { CefShutdown(); }
};

const ::testing::Environment* const kEngine = ::testing::AddGlobalTestEnvironment(new EngineEnvironment);

HWND MakeParent() {
  WNDCLASSEXW window_class = {};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.hInstance = GetModuleHandleW(NULL);
  window_class.lpszClassName = L"WebKitTestParent";
  RegisterClassExW(&window_class);
  return CreateWindowExW(0, L"WebKitTestParent", L"parent", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, NULL, NULL,
                         GetModuleHandleW(NULL), NULL);
}

}  // namespace

const std::string& EngineCachePath() {
  static const std::string path = [] {
    char folder[] = "/tmp/webkit-engine-cache-XXXXXX";
    return std::string(mkdtemp(folder));
  }();
  return path;
}

void OnUiThread(const std::function<void()>& fn) {
  std::promise<void> done;
  CefPostTask(TID_UI, base::Closure(std::function<void()>([&] {
                fn();
                done.set_value();
              })));
  done.get_future().wait();
}

// Bounded by time, not by tries: a condition may itself take long (it may
// drive the mouse through another program).
bool Eventually(const std::function<bool()>& condition, int seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < deadline) {
    if (condition())
      return true;
    Sleep(10);
  }
  return condition();
}

bool Recorded(CefRefPtr<RecordingClient> client, const std::string& name, const std::string& detail) {
  for (const RecordingClient::Call& call : client->Calls()) {
    if (call.name == name && call.detail.find(detail) != std::string::npos)
      return true;
  }
  return false;
}

void WebKitEngineTest::SetUp() {
  OnUiThread([this] { parent_ = MakeParent(); });
  ASSERT_TRUE(parent_);
}

void WebKitEngineTest::TearDown() {
  // What the engine did is the first thing to read when a test fails.
  if (HasFailure()) {
    for (const RecordingClient::Call& call : client_->Calls())
      std::printf("  %s %s\n", call.name.c_str(), call.detail.c_str());
  }
  if (browser_) {
    browser_->GetHost()->CloseBrowser(true);
    EXPECT_TRUE(Eventually([this] { return Recorded(client_, "OnBeforeClose"); }));
  }
  browser_ = NULL;
  OnUiThread([this] { DestroyWindow(parent_); });
}

CefRefPtr<CefBrowser> WebKitEngineTest::Open(const std::string& url) {
  CefWindowInfo info;
  RECT rect = {0, 0, 640, 480};
  info.SetAsChild(parent_, rect);
  EXPECT_TRUE(CefBrowserHost::CreateBrowser(info, client_.get(), url, CefBrowserSettings(), NULL));
  // The client holds the browser from OnAfterCreated on; the load's first
  // callback comes after that has returned.
  EXPECT_TRUE(Eventually([this] { return Recorded(client_, "OnLoadingStateChange"); }));
  browser_ = client_->last_browser;
  return browser_;
}
