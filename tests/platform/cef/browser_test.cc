#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <utility>

#include "cef/testing/page.h"
#include "engine_fixture.h"
#include "include/wrapper/cef_closure_task.h"

namespace {

using Names = std::vector<std::string>;

void DestroyWindowOnUiThread(HWND window) { DestroyWindow(window); }

class BrowserLifecycle : public EngineTest {};

TEST_F(BrowserLifecycle, CreationIsAsynchronousAndComesOnTheUiThread) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  bool created_before_return = true;
  // While the UI thread is busy here, CreateBrowser must return at once.
  cef::testing::RunOnUiThread([&] {
    CefWindowInfo info;
    info.SetAsChild(parent_, RECT{0, 0, 100, 100});
    EXPECT_TRUE(CefBrowserHost::CreateBrowser(info, client.get(), "http://a.example/", CefBrowserSettings(), NULL));
    created_before_return = !client->Calls().empty();
  });
  EXPECT_FALSE(created_before_return);
  CefRefPtr<CefBrowser> browser = cef::testing::WaitForBrowserOfParent(parent_);
  ASSERT_TRUE(browser);
  EXPECT_EQ(client->Names(), (Names{"OnAfterCreated", "OnLoadingStateChange", "OnLoadStart", "OnAddressChange",
                                    "OnLoadEnd", "OnLoadingStateChange"}));
  EXPECT_TRUE(client->AllOnUiThread());
  EXPECT_EQ(client->Calls()[2].detail, "http://a.example/ 1");  // TT_EXPLICIT
  EXPECT_EQ(client->Calls()[4].detail, "http://a.example/ 200");
  EXPECT_EQ(browser->GetMainFrame()->GetURL(), "http://a.example/");
  EXPECT_TRUE(browser->GetMainFrame()->IsMain());
  EXPECT_GE(browser->GetIdentifier(), 1);
}

TEST_F(BrowserLifecycle, WindowIsAChildOfTheGivenParentWithTheGivenRect) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://a.example/", client);
  ASSERT_TRUE(browser);
  HWND window = browser->GetHost()->GetWindowHandle();
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(GetParent(window), parent_);
  wchar_t class_name[64] = {};
  GetClassNameW(window, class_name, 64);
  EXPECT_EQ(std::wstring(class_name), L"CefBrowserWindow");
  RECT rect;
  GetClientRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, 400);
  EXPECT_EQ(rect.bottom - rect.top, 300);
  DWORD owner_thread = GetWindowThreadProcessId(window, NULL);
  EXPECT_NE(owner_thread, GetCurrentThreadId());  // made on the UI thread
}

TEST_F(BrowserLifecycle, DestroyingTheParentEndsTheBrowserOnTheUiThread) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://a.example/", client);
  ASSERT_TRUE(browser);
  HWND window = browser->GetHost()->GetWindowHandle();
  client->Forget();
  DestroyWindow(parent_);
  EXPECT_FALSE(IsWindow(window));
  ASSERT_TRUE(cef::testing::WaitForBrowserClosed(browser));
  EXPECT_EQ(client->Names(), Names{"OnBeforeClose"});
  EXPECT_TRUE(client->AllOnUiThread());
  EXPECT_TRUE(cef::testing::ActivityOf(browser).closed);
  EXPECT_FALSE(client->last_browser);
  EXPECT_FALSE(browser->GetMainFrame());
}

TEST_F(BrowserLifecycle, DestroyingTheBrowserWindowOnTheUiThreadEndsIt) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://a.example/", client);
  ASSERT_TRUE(browser);
  cef::testing::RunOnUiThread([&] { DestroyWindow(browser->GetHost()->GetWindowHandle()); });
  ASSERT_TRUE(cef::testing::WaitForBrowserClosed(browser));
  EXPECT_EQ(client->Names().back(), "OnBeforeClose");
  EXPECT_TRUE(IsWindow(parent_));
}

// Holds the browser's window half-way through its own destruction on the UI thread (at the hide
// that comes first) until its parent has gone on the test thread, as when a launcher window
// asks its browser to close from its WM_DESTROY and then goes on destroying its children.
struct HeldDestruction {
  static WNDPROC original;
  static HWND parent;
  static std::promise<void>* reached;

  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_WINDOWPOSCHANGING && reached) {
      std::exchange(reached, nullptr)->set_value();
      // Serves what the parent's thread may send meanwhile; bounded so that a model which
      // waits for this thread cannot hang the test.
      for (int waited = 0; IsWindow(parent) && waited < 10000; ++waited) {
        MSG msg;
        PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE);
        Sleep(1);
      }
    }
    return CallWindowProcW(original, hwnd, message, wparam, lparam);
  }
};
WNDPROC HeldDestruction::original = nullptr;
HWND HeldDestruction::parent = NULL;
std::promise<void>* HeldDestruction::reached = nullptr;

TEST_F(BrowserLifecycle, ParentDestroyedWhileTheBrowserWindowIsBeingDestroyedStillEndsIt) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://a.example/", client);
  ASSERT_TRUE(browser);
  HWND window = browser->GetHost()->GetWindowHandle();
  std::promise<void> reached;
  cef::testing::RunOnUiThread([&] {
    HeldDestruction::parent = parent_;
    HeldDestruction::reached = &reached;
    HeldDestruction::original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HeldDestruction::Proc)));
  });
  client->Forget();
  CefPostTask(TID_UI, base::Bind(&DestroyWindowOnUiThread, window));
  ASSERT_EQ(std::future_status::ready, reached.get_future().wait_for(std::chrono::seconds(10)));
  DestroyWindow(parent_);
  EXPECT_FALSE(IsWindow(window));
  ASSERT_TRUE(cef::testing::WaitForBrowserClosed(browser));
  EXPECT_EQ(client->Names(), Names{"OnBeforeClose"});
  EXPECT_TRUE(client->AllOnUiThread());
  EXPECT_TRUE(cef::testing::ActivityOf(browser).closed);
}

TEST_F(BrowserLifecycle, CloseBrowserAsksDoCloseUnlessForced) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  client->keep_window_on_close = true;
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://a.example/", client);
  ASSERT_TRUE(browser);
  browser->GetHost()->CloseBrowser(false);
  cef::testing::WaitForUiIdle();
  EXPECT_EQ(client->Names().back(), "DoClose");
  EXPECT_TRUE(IsWindow(browser->GetHost()->GetWindowHandle()));

  browser->GetHost()->CloseBrowser(true);
  ASSERT_TRUE(cef::testing::WaitForBrowserClosed(browser));
  EXPECT_EQ(client->Names().back(), "OnBeforeClose");
  EXPECT_EQ(cef::testing::ActivityOf(browser).close_requests, (std::vector<bool>{false, true}));
}

TEST_F(BrowserLifecycle, ShutdownClosesBrowsersThatAreStillOpen) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://a.example/", client);
  ASSERT_TRUE(browser);
  CefShutdown();
  EXPECT_EQ(client->Names().back(), "OnBeforeClose");
  EXPECT_TRUE(client->AllOnUiThread());
  EXPECT_TRUE(cef::testing::Browsers().empty());
}

TEST_F(BrowserLifecycle, BrowserWithoutAValidParentIsNotMade) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefWindowInfo info;
  info.SetAsChild(reinterpret_cast<HWND>(0x1234), RECT{0, 0, 10, 10});
  EXPECT_TRUE(CefBrowserHost::CreateBrowser(info, client.get(), "http://a.example/", CefBrowserSettings(), NULL));
  cef::testing::WaitForUiIdle();
  EXPECT_TRUE(client->Calls().empty());
  EXPECT_TRUE(cef::testing::Browsers().empty());
}

TEST_F(BrowserLifecycle, BrowserWithoutAClientStillLoadsAndCloses) {
  CefWindowInfo info;
  info.SetAsChild(parent_, RECT{0, 0, 10, 10});
  EXPECT_TRUE(CefBrowserHost::CreateBrowser(info, NULL, "http://a.example/", CefBrowserSettings(), NULL));
  CefRefPtr<CefBrowser> browser = cef::testing::WaitForBrowserOfParent(parent_);
  ASSERT_TRUE(browser);
  EXPECT_EQ(browser->GetMainFrame()->GetURL(), "http://a.example/");
  cef::testing::OpenContextMenu(browser, true);
  EXPECT_EQ(cef::testing::StartDownload(browser, {"http://a.example/f", "f", "", 1}), 0u);
  browser->GetHost()->CloseBrowser(false);
  EXPECT_TRUE(cef::testing::WaitForBrowserClosed(browser));
}

TEST(BrowserWithoutEngine, CreateBrowserFailsWhenTheEngineIsNotRunning) {
  CefWindowInfo info;
  EXPECT_FALSE(CefBrowserHost::CreateBrowser(info, NULL, "http://a.example/", CefBrowserSettings(), NULL));
}

class BrowserNavigation : public EngineTest {};

TEST_F(BrowserNavigation, StopLoadDuringLoadStartCancelsTheLoad) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://a.example/", client);
  ASSERT_TRUE(browser);
  client->Forget();
  client->on_load_start = [](CefRefPtr<CefBrowser> b) { b->StopLoad(); };
  EXPECT_FALSE(cef::testing::LoadPage(browser, {"http://b.example/", "", TT_LINK, 200}));
  EXPECT_EQ(client->Names(), (Names{"OnLoadingStateChange", "OnLoadStart", "OnLoadError", "OnLoadingStateChange"}));
  EXPECT_EQ(client->Calls()[2].detail, "-3 http://b.example/");
  EXPECT_EQ(browser->GetMainFrame()->GetURL(), "http://a.example/");
  EXPECT_EQ(cef::testing::ActivityOf(browser).stop_load, 1);
  EXPECT_FALSE(browser->IsLoading());
}

TEST_F(BrowserNavigation, StopLoadOutsideALoadIsOnlyRecorded) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://a.example/", client);
  ASSERT_TRUE(browser);
  browser->StopLoad();
  EXPECT_TRUE(cef::testing::LoadPage(browser, {"http://b.example/", "", TT_LINK, 200}));
  EXPECT_EQ(client->Names().back(), "OnLoadingStateChange");
  EXPECT_EQ(browser->GetMainFrame()->GetURL(), "http://b.example/");
}

TEST_F(BrowserNavigation, BackAndForwardWalkTheHistory) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://1.example/", client);
  ASSERT_TRUE(browser);
  EXPECT_FALSE(browser->CanGoBack());
  cef::testing::LoadPage(browser, {"http://2.example/", "", TT_LINK, 200});
  cef::testing::LoadPage(browser, {"http://3.example/", "", TT_LINK, 200});
  EXPECT_TRUE(browser->CanGoBack());
  EXPECT_FALSE(browser->CanGoForward());

  client->Forget();
  browser->GoBack();
  browser->GoBack();
  cef::testing::WaitForUiIdle();
  EXPECT_EQ(browser->GetMainFrame()->GetURL(), "http://1.example/");
  EXPECT_FALSE(browser->CanGoBack());
  EXPECT_TRUE(browser->CanGoForward());
  const std::string back_transition = std::to_string(TT_EXPLICIT | TT_FORWARD_BACK_FLAG);
  EXPECT_EQ(client->Calls()[1].detail, "http://2.example/ " + back_transition);

  browser->GoForward();
  cef::testing::WaitForUiIdle();
  EXPECT_EQ(browser->GetMainFrame()->GetURL(), "http://2.example/");
  cef::testing::LoadPage(browser, {"http://4.example/", "", TT_LINK, 200});  // drops the forward entry
  int current = -1;
  EXPECT_EQ(cef::testing::HistoryEntries(browser, &current),
            (std::vector<CefString>{"http://1.example/", "http://2.example/", "http://4.example/"}));
  EXPECT_EQ(current, 2);
  browser->GoForward();  // nothing ahead: no load
  cef::testing::WaitForUiIdle();
  EXPECT_EQ(browser->GetMainFrame()->GetURL(), "http://4.example/");
  const auto activity = cef::testing::ActivityOf(browser);
  EXPECT_EQ(activity.go_back, 2);
  EXPECT_EQ(activity.go_forward, 2);
}

TEST_F(BrowserNavigation, ClientRequestsLoadByThemselvesUnlessHeld) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://a.example/", client);
  ASSERT_TRUE(browser);
  browser->GetMainFrame()->LoadURL("http://b.example/");
  browser->Reload();
  cef::testing::WaitForUiIdle();
  EXPECT_EQ(cef::testing::FrameHistory(browser, ""),
            (std::vector<CefString>{"http://a.example/", "http://b.example/", "http://b.example/"}));
  EXPECT_EQ(client->Calls()[client->Calls().size() - 4].detail, "http://b.example/ " + std::to_string(TT_RELOAD));

  cef::testing::HoldLoads(true);
  browser->GetMainFrame()->LoadURL("http://c.example/");
  browser->ReloadIgnoreCache();
  browser->GetMainFrame()->LoadString("<p>error</p>", "http://error.example/");
  browser->GetMainFrame()->ExecuteJavaScript("go()", "http://a.example/x.js", 3);
  cef::testing::WaitForUiIdle();
  EXPECT_EQ(browser->GetMainFrame()->GetURL(), "http://b.example/");
  const auto activity = cef::testing::ActivityOf(browser);
  ASSERT_EQ(activity.load_urls.size(), 2u);
  EXPECT_EQ(activity.load_urls[1].url, "http://c.example/");
  EXPECT_EQ(activity.reload, 1);
  EXPECT_EQ(activity.reload_ignore_cache, 1);
  ASSERT_EQ(activity.load_strings.size(), 1u);
  EXPECT_EQ(activity.load_strings[0].text, "<p>error</p>");
  EXPECT_EQ(activity.load_strings[0].url, "http://error.example/");
  ASSERT_EQ(activity.scripts.size(), 1u);
  EXPECT_EQ(activity.scripts[0].code, "go()");
  EXPECT_EQ(activity.scripts[0].line, 3);
}

TEST_F(BrowserNavigation, HeldFirstLoadWaitsForTheTest) {
  cef::testing::HoldLoads(true);
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://first.example/", client);
  ASSERT_TRUE(browser);
  EXPECT_EQ(client->Names(), Names{"OnAfterCreated"});
  EXPECT_EQ(cef::testing::RequestedUrl(browser), "http://first.example/");
  EXPECT_EQ(browser->GetMainFrame()->GetURL(), "");
  EXPECT_TRUE(cef::testing::LoadPage(browser, {"http://first.example/", "", TT_EXPLICIT, 404}));
  EXPECT_EQ(client->Calls()[4].detail, "http://first.example/ 404");
}

TEST_F(BrowserNavigation, SubFramesLoadWithoutChangingTheAddress) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://a.example/", client);
  ASSERT_TRUE(browser);
  client->Forget();
  const auto transition = static_cast<cef_transition_type_t>(TT_AUTO_SUBFRAME | TT_CLIENT_REDIRECT_FLAG);
  cef::testing::LoadPage(browser, {"http://ad.example/", "ad", transition, 200});
  EXPECT_EQ(client->Names(), (Names{"OnLoadingStateChange", "OnLoadStart", "OnLoadEnd", "OnLoadingStateChange"}));
  CefRefPtr<CefFrame> frame = browser->GetFrame("ad");
  ASSERT_TRUE(frame);
  EXPECT_FALSE(frame->IsMain());
  EXPECT_TRUE(frame->GetParent()->IsMain());
  EXPECT_EQ(frame->GetURL(), "http://ad.example/");
  EXPECT_EQ(browser->GetFrameCount(), 2u);
  EXPECT_EQ(browser->GetFrame(frame->GetIdentifier())->GetName(), "ad");
  EXPECT_EQ(browser->GetMainFrame()->GetURL(), "http://a.example/");
}

TEST_F(BrowserNavigation, MessagesToTheRendererAreRecordedReadOnly) {
  CefRefPtr<RecordingClient> client = new RecordingClient();
  CefRefPtr<CefBrowser> browser = OpenBrowser("http://a.example/", client);
  ASSERT_TRUE(browser);
  CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create("invoke");
  message->GetArgumentList()->SetString(0, "arg");
  EXPECT_TRUE(browser->SendProcessMessage(PID_RENDERER, message));
  EXPECT_TRUE(message->IsReadOnly());
  EXPECT_FALSE(message->GetArgumentList()->SetString(1, "late"));
  EXPECT_FALSE(browser->SendProcessMessage(PID_BROWSER, CefProcessMessage::Create("x")));
  const auto activity = cef::testing::ActivityOf(browser);
  ASSERT_EQ(activity.renderer_messages.size(), 1u);
  EXPECT_EQ(activity.renderer_messages[0]->GetName(), "invoke");
  EXPECT_EQ(activity.renderer_messages[0]->GetArgumentList()->GetString(0), "arg");
}

}  // namespace
