// The client object's frame: counting, the handlers it hands out, the table of live browsers
// and closing from either thread.
#include "browser_fixture.h"

#include <atomic>
#include <chrono>
#include <future>

#include "browser/browser_handler.h"
#include "include/wrapper/cef_closure_task.h"

namespace {

// Tells when the last reference let go of it.
class ProbeHandler : public CBrowserHandler {
 public:
  explicit ProbeHandler(std::atomic<bool>* deleted) : deleted_(deleted) {}
  ~ProbeHandler() override { *deleted_ = true; }

 private:
  std::atomic<bool>* deleted_;
};

std::map<int, CefBrowser*> BrowserTable() {
  std::map<int, CefBrowser*> table;
  cef::testing::RunOnUiThread([&] {
    for (const auto& entry : g_browserMap)
      table[entry.first] = entry.second.get();
  });
  return table;
}

// Keeps the engine's UI thread busy until released, so that posted tasks wait. Messages sent
// to its windows are still served: the main thread may be laying out a browser window of the UI
// thread at that moment, and would otherwise wait for the block while the test waits for it.
class UiThreadBlock {
 public:
  UiThreadBlock() {
    std::shared_future<void> released = release_.get_future().share();
    CefPostTask(TID_UI, base::Bind(&UiThreadBlock::Wait, released));
  }
  ~UiThreadBlock() { Release(); }
  void Release() {
    if (!released_) {
      released_ = true;
      release_.set_value();
    }
  }

 private:
  static void Wait(std::shared_future<void> released) {
    while (released.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready) {
      MSG msg;
      PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE);
    }
  }

  std::promise<void> release_;
  bool released_ = false;
};

}  // namespace

TEST(BrowserHandlerTest, ReleaseDeletesExactlyOnTheLastReference) {
  std::atomic<bool> deleted(false);
  CBrowserHandler* handler = new ProbeHandler(&deleted);
  handler->AddRef();
  EXPECT_TRUE(handler->HasOneRef());
  handler->AddRef();
  EXPECT_FALSE(handler->HasOneRef());
  EXPECT_FALSE(handler->Release());
  EXPECT_TRUE(handler->HasOneRef());
  EXPECT_FALSE(deleted);
  EXPECT_TRUE(handler->Release());
  EXPECT_TRUE(deleted);
}

TEST(BrowserHandlerTest, HandsTheEngineOnlyItsOwnHandlers) {
  CefRefPtr<CBrowserHandler> handler = new CBrowserHandler;
  CefRefPtr<CefClient> client = handler.get();
  EXPECT_TRUE(client->GetContextMenuHandler().get());
  EXPECT_TRUE(client->GetDisplayHandler().get());
  EXPECT_TRUE(client->GetDownloadHandler().get());
  EXPECT_TRUE(client->GetJSDialogHandler().get());
  EXPECT_TRUE(client->GetKeyboardHandler().get());
  EXPECT_TRUE(client->GetLifeSpanHandler().get());
  EXPECT_TRUE(client->GetLoadHandler().get());
  EXPECT_TRUE(client->GetRequestHandler().get());
  // Handing out the geolocation part would grant every page's location request.
  EXPECT_FALSE(client->GetGeolocationHandler().get());
  EXPECT_FALSE(client->GetDialogHandler().get());
  EXPECT_FALSE(client->GetDragHandler().get());
  EXPECT_FALSE(client->GetFindHandler().get());
  EXPECT_FALSE(client->GetFocusHandler().get());
  EXPECT_FALSE(client->GetRenderHandler().get());
  // The getters' references are gone again.
  client = NULL;
  EXPECT_TRUE(handler->HasOneRef());
}

class BrowserTableTest : public BrowserFixture {};

TEST_F(BrowserTableTest, HoldsOneEntryPerLiveBrowser) {
  Opened login = OpenBrowserWindow(&events_);
  Opened game = OpenBrowserWindow(&events_);
  ASSERT_TRUE(login.browser.get() && game.browser.get());
  EXPECT_NE(login.browser->GetIdentifier(), game.browser->GetIdentifier());
  EXPECT_EQ((std::map<int, CefBrowser*>{{login.browser->GetIdentifier(), login.browser.get()},
                                        {game.browser->GetIdentifier(), game.browser.get()}}),
            BrowserTable());

  main_.Run([&] { DestroyWindow(login.hwnd); });
  ASSERT_TRUE(cef::testing::WaitForBrowserClosed(login.browser));
  EXPECT_EQ((std::map<int, CefBrowser*>{{game.browser->GetIdentifier(), game.browser.get()}}),
            BrowserTable());
}

TEST_F(BrowserTableTest, ARepeatedIdentifierReplacesItsEntryAndAnUnknownCloseIsHarmless) {
  Opened opened = OpenBrowserWindow(&events_);
  const int id = opened.browser->GetIdentifier();
  CefRefPtr<CBrowserHandler> other = new CBrowserHandler;

  cef::testing::RunOnUiThread([&] { other->OnAfterCreated(opened.browser); });
  EXPECT_EQ((std::map<int, CefBrowser*>{{id, opened.browser.get()}}), BrowserTable());
  EXPECT_TRUE(other->GetBrowser().get());

  // The entry goes with the first close notice; the second finds none and still lets go.
  cef::testing::RunOnUiThread([&] {
    other->OnBeforeClose(opened.browser);
    other->OnBeforeClose(opened.browser);
  });
  EXPECT_TRUE(BrowserTable().empty());
  EXPECT_FALSE(other->GetBrowser().get());

  main_.Run([&] { DestroyWindow(opened.hwnd); });
  EXPECT_TRUE(cef::testing::WaitForBrowserClosed(opened.browser));
  EXPECT_TRUE(BrowserTable().empty());
}

class CloseBrowserTest : public BrowserFixture {};

TEST_F(CloseBrowserTest, ClosesFromTheWindowThreadAndFromTheEngineThread) {
  Opened on_main = OpenBrowserWindow(&events_);
  main_.Run([&] { on_main.wnd->CloseBrowser(); });
  EXPECT_TRUE(cef::testing::WaitForBrowserClosed(on_main.browser));
  // The window stays; only the browser went.
  EXPECT_TRUE(IsWindow(on_main.hwnd));
  EXPECT_FALSE(IsWindow(BrowserWindowOf(on_main.browser)));

  // Like the game window's, this one lives on the engine's thread and closes at once.
  Opened on_ui = OpenBrowserWindowOnUiThread(&events_);
  ASSERT_TRUE(on_ui.browser.get());
  HWND browser_window = BrowserWindowOf(on_ui.browser);
  bool closed_at_once = false;
  cef::testing::RunOnUiThread([&] {
    on_ui.wnd->CloseBrowser();
    closed_at_once = !IsWindow(browser_window);
  });
  EXPECT_TRUE(closed_at_once);
  EXPECT_TRUE(cef::testing::WaitForBrowserClosed(on_ui.browser));
}

TEST_F(CloseBrowserTest, BeforeCreationAndAfterCloseNothingHappens) {
  std::atomic<bool> deleted(false);
  CefRefPtr<CBrowserHandler> handler = new ProbeHandler(&deleted);
  handler->CloseBrowser(true);
  cef::testing::RunOnUiThread([&] { handler->CloseBrowser(true); });
  cef::testing::WaitForUiIdle();
  EXPECT_TRUE(handler->HasOneRef());

  Opened opened = OpenBrowserWindow(&events_);
  main_.Run([&] { opened.wnd->CloseBrowser(); });
  ASSERT_TRUE(cef::testing::WaitForBrowserClosed(opened.browser));
  // The window forgot its control; a second close, reload, navigation or page call does
  // nothing.
  main_.Run([&] {
    opened.wnd->CloseBrowser();
    opened.wnd->Reload(true);
    opened.wnd->LoadURL(L"http://www.vantellis.example/again");
    opened.wnd->ClientCallJs(1, "%d", 2);
    EXPECT_FALSE(opened.wnd->GetBrowser().get());
  });
  cef::testing::BrowserActivity activity = cef::testing::ActivityOf(opened.browser);
  EXPECT_TRUE(activity.scripts.empty());
  EXPECT_EQ(0, activity.reload_ignore_cache);
  EXPECT_TRUE(activity.load_urls.empty());
  EXPECT_TRUE(activity.close_requests.empty());
}

TEST_F(CloseBrowserTest, APostedCloseKeepsTheClientAliveUntilItRuns) {
  std::atomic<bool> deleted(false);
  {
    UiThreadBlock block;
    CefRefPtr<CBrowserHandler> handler = new ProbeHandler(&deleted);
    handler->CloseBrowser(true);
    EXPECT_FALSE(handler->HasOneRef());
    handler = NULL;
    EXPECT_FALSE(deleted);
  }
  cef::testing::WaitForUiIdle();
  EXPECT_TRUE(deleted);
}

TEST_F(CloseBrowserTest, APostedCloseOutlivesTheControlAndStillClosesTheBrowser) {
  Opened opened = OpenBrowserWindow(&events_);
  {
    UiThreadBlock block;
    main_.Run([&] { opened.wnd->CloseBrowser(); });
    ASSERT_TRUE(WithBrowserControl(opened.hwnd, [](CCefBrowserUI* control) {
      static_cast<DuiLib::CContainerUI*>(control->GetParent())->Remove(control);
    }));
  }
  EXPECT_TRUE(cef::testing::WaitForBrowserClosed(opened.browser));
  EXPECT_FALSE(IsWindow(BrowserWindowOf(opened.browser)));
  EXPECT_TRUE(IsWindow(opened.hwnd));
}
