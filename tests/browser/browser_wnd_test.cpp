// The borderless browser host window: its class and skin, its closing rules, reload,
// maximise, the page call and its life with its owner.
#include "browser_fixture.h"

#include "browser/browser_handler.h"
#include "win32/testing/scripted_user.h"
#include "win32/testing/window_view.h"

class BrowserWndTest : public BrowserFixture {
 protected:
  win32::testing::WindowInfo Describe(HWND hwnd) {
    return win32::testing::Describe(hwnd).value_or(win32::testing::WindowInfo());
  }
};

TEST_F(BrowserWndTest, IsAnOwnedToolPopupWhoseSkinHoldsTheBrowser) {
  HWND owner = CreateOwner();
  Opened opened = OpenBrowserWindow(&events_, owner);
  ASSERT_TRUE(opened.browser.get());
  win32::testing::WindowInfo info = Describe(opened.hwnd);
  EXPECT_EQ(L"Quellix_BrowserWnd", info.class_name);
  EXPECT_EQ(owner, info.owner);
  EXPECT_TRUE(info.ex_style & WS_EX_TOOLWINDOW);
  EXPECT_EQ(CefString("http://www.vantellis.example/micro/"),
            cef::testing::RequestedUrl(opened.browser));
  win32::testing::WindowInfo browser_window = Describe(BrowserWindowOf(opened.browser));
  EXPECT_EQ(opened.hwnd, browser_window.parent);
  EXPECT_TRUE(browser_window.style & WS_CHILD);
  EXPECT_EQ(L"cefbrowser", browser_window.caption);
  main_.Run([&] { EXPECT_EQ(owner, opened.wnd->GetOwnerWnd()); });
}

TEST_F(BrowserWndTest, TheSystemCloseCommandLeavesItOpenButAPlainCloseEndsIt) {
  Opened opened = OpenBrowserWindow(&events_);
  ASSERT_TRUE(win32::testing::SystemCommand(opened.hwnd, SC_CLOSE));
  main_.Run([] {});
  EXPECT_TRUE(IsWindow(opened.hwnd));

  ASSERT_TRUE(win32::testing::SystemCommand(opened.hwnd, SC_MINIMIZE));
  main_.Run([] {});
  EXPECT_TRUE(Describe(opened.hwnd).minimized);

  PostMessageW(opened.hwnd, WM_CLOSE, 0, 0);
  main_.Run([] {});
  EXPECT_FALSE(IsWindow(opened.hwnd));
  EXPECT_TRUE(cef::testing::WaitForBrowserClosed(opened.browser));
}

TEST_F(BrowserWndTest, MaximizeActsOnlyWhenTheWindowMayMaximise) {
  Opened fixed = OpenBrowserWindow(&events_, NULL, false);
  Opened free = OpenBrowserWindow(&events_, NULL, true);
  main_.Run([&] {
    fixed.wnd->Maximize(true);
    free.wnd->Maximize(true);
  });
  EXPECT_FALSE(Describe(fixed.hwnd).maximized);
  EXPECT_TRUE(Describe(free.hwnd).maximized);
  main_.Run([&] { free.wnd->Maximize(false); });
  EXPECT_FALSE(Describe(free.hwnd).maximized);
}

TEST_F(BrowserWndTest, ReloadBypassesTheCacheOnlyWhenAsked) {
  Opened opened = OpenBrowserWindow(&events_);
  main_.Run([&] { opened.wnd->Reload(true); });
  cef::testing::BrowserActivity activity = cef::testing::ActivityOf(opened.browser);
  EXPECT_EQ(1, activity.reload_ignore_cache);
  EXPECT_EQ(0, activity.reload);
  main_.Run([&] { opened.wnd->Reload(false); });
  activity = cef::testing::ActivityOf(opened.browser);
  EXPECT_EQ(1, activity.reload_ignore_cache);
  EXPECT_EQ(1, activity.reload);
}

TEST_F(BrowserWndTest, ADestroyedOwnerTakesTheBrowserWindowAndItsBrowserWithIt) {
  HWND owner = CreateOwner();
  Opened opened = OpenBrowserWindow(&events_, owner);
  ASSERT_TRUE(opened.browser.get());
  main_.Run([&] { DestroyWindow(owner); });
  EXPECT_FALSE(IsWindow(opened.hwnd));
  EXPECT_TRUE(cef::testing::WaitForBrowserClosed(opened.browser));
  bool table_empty = false;
  cef::testing::RunOnUiThread([&] { table_empty = g_browserMap.empty(); });
  EXPECT_TRUE(table_empty);
}

TEST_F(BrowserWndTest, ClientCallJsRunsTheFormattedCallInTheMainFrame) {
  Opened opened = OpenBrowserWindow(&events_);
  cef::testing::PageLoad load;
  load.url = "http://www.vantellis.example/micro/";
  ASSERT_TRUE(cef::testing::LoadPage(opened.browser, load));
  const std::string hundred(100, 'x');
  const std::string sixty_two(62, 'y');
  main_.Run([&] {
    opened.wnd->ClientCallJs(7, NULL);
    opened.wnd->ClientCallJs(7, "%s|%d", "ab", 3);
    opened.wnd->ClientCallJs(-12, "%s", hundred.c_str());
    // A two-byte character straddling the cut is dropped whole.
    opened.wnd->ClientCallJs(2, "%s\xC3\xA9", sixty_two.c_str());
  });
  std::vector<cef::testing::BrowserActivity::Script> scripts =
      cef::testing::ActivityOf(opened.browser).scripts;
  ASSERT_EQ(4u, scripts.size());
  EXPECT_EQ(CefString("ClientCallJs(7);"), scripts[0].code);
  EXPECT_EQ(CefString("ClientCallJs(7,ab|3);"), scripts[1].code);
  EXPECT_EQ(CefString("ClientCallJs(-12," + std::string(63, 'x') + ");"), scripts[2].code);
  EXPECT_EQ(CefString("ClientCallJs(2," + sixty_two + ");"), scripts[3].code);
  for (const cef::testing::BrowserActivity::Script& script : scripts) {
    EXPECT_TRUE(script.frame.empty());
    EXPECT_EQ(load.url, script.url);
    EXPECT_EQ(0, script.line);
  }
}
