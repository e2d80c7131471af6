// The browser skin control: its names, its filter, the browser's arrival from the engine's
// thread, and keeping the browser's window in step with the control.
#include "browser_fixture.h"

#include "duilib/testing/window_inspection.h"
#include "rect_ops.h"
#include "win32/testing/window_view.h"

class CefBrowserUITest : public BrowserFixture {
 protected:
  win32::testing::WindowInfo Describe(HWND hwnd) {
    return win32::testing::Describe(hwnd).value_or(win32::testing::WindowInfo());
  }
  RECT ClientRectOnScreen(HWND hwnd, RECT rc) {
    POINT origin = {0, 0};
    main_.Run([&] { ClientToScreen(hwnd, &origin); });
    return RECT{rc.left + origin.x, rc.top + origin.y, rc.right + origin.x, rc.bottom + origin.y};
  }
};

TEST(CefBrowserUINames, AnswersToItsClassAndToCefBrowserInAnyCase) {
  CCefBrowserUI control;
  EXPECT_STREQ(L"CefBrowserUI", control.GetClass());
  for (const wchar_t* name : {L"CefBrowser", L"cefbrowser", L"CEFBROWSER", L"cEfBrOwSeR"})
    EXPECT_EQ(static_cast<void*>(&control), control.GetInterface(name)) << name;
  EXPECT_EQ(static_cast<void*>(static_cast<DuiLib::CControlUI*>(&control)),
            control.GetInterface(L"Control"));
  EXPECT_EQ(NULL, control.GetInterface(L"Container"));
}

TEST(CefBrowserUINames, WithoutABrowserEveryOperationIsHarmless) {
  CCefBrowserUI control;
  control.SetURL(L"http://www.vantellis.example/");
  control.SetVisible(false);
  control.SetInternVisible(true);
  control.SetPos(Rect(0, 0, 10, 10));
  control.LoadURL("http://www.vantellis.example/");
  control.GoBack();
  control.GoForward();
  control.Reload();
  control.ReloadIgnoreCache();
  control.CloseBrowser();
  EXPECT_FALSE(control.GetBrowser().get());
  EXPECT_FALSE(control.GetMainFrame().get());
  // Outside a window there is no parent for the browser.
  EXPECT_FALSE(control.CreateBrowser(NULL));

  bool handled = true;
  EXPECT_EQ(0, control.MessageHandler(WM_CONTEXTMENU, 0, 0, handled));
  EXPECT_TRUE(handled);
}

TEST_F(CefBrowserUITest, FilterLetsHelpAndContextMenuGoOnOnceAClientExists) {
  Opened opened = OpenBrowserWindow(&events_);
  ASSERT_TRUE(WithBrowserControl(opened.hwnd, [](CCefBrowserUI* control) {
    struct Case {
      UINT message;
      bool handled_after;
    } cases[] = {{WM_HELP, false}, {WM_CONTEXTMENU, false}, {WM_KEYDOWN, true}, {WM_CLOSE, true}};
    for (const Case& c : cases) {
      bool handled = true;
      EXPECT_EQ(0, control->MessageHandler(c.message, 0, 0, handled));
      EXPECT_EQ(c.handled_after, handled) << c.message;
    }
  }));
}

TEST_F(CefBrowserUITest, TheBrowserIsHandedToTheControlOnTheControlsOwnThread) {
  CefRefPtr<CefBrowser> seen_while_busy;
  CefRefPtr<CefBrowser> created;
  Opened opened = OpenBrowserWindow(&events_, NULL, false, [&](CBrowserWnd* wnd) {
    // The engine makes the browser while this thread is busy; the control must not have
    // been written from the engine's thread meanwhile.
    created = cef::testing::WaitForBrowser();
    seen_while_busy = wnd->GetBrowser();
  });
  ASSERT_TRUE(created.get());
  EXPECT_FALSE(seen_while_busy.get());
  main_.Run([&] { EXPECT_TRUE(opened.wnd->GetBrowser()->IsSame(created)); });

  // Once laid out, the browser's window covers the control and is shown.
  ASSERT_TRUE(duilib::testing::Paint(opened.hwnd));
  std::optional<duilib::testing::ControlInfo> control =
      duilib::testing::DescribeControl(opened.hwnd, L"cefbrowser");
  ASSERT_TRUE(control.has_value());
  EXPECT_GT(control->rect.right, 0);
  win32::testing::WindowInfo browser_window = Describe(BrowserWindowOf(created));
  EXPECT_EQ(opened.hwnd, browser_window.parent);
  EXPECT_EQ(ClientRectOnScreen(opened.hwnd, control->rect), browser_window.rect);
  EXPECT_TRUE(browser_window.visible);
}

TEST_F(CefBrowserUITest, AControlHiddenWhenTheBrowserArrivesHidesTheBrowsersWindow) {
  Opened opened = OpenBrowserWindow(&events_, NULL, false, [&](CBrowserWnd* wnd) {
    WithBrowserControl(wnd->GetHWND(), [](CCefBrowserUI* control) {
      control->DuiLib::CControlUI::SetVisible(false);
    });
  });
  ASSERT_TRUE(opened.browser.get());
  EXPECT_FALSE(Describe(BrowserWindowOf(opened.browser)).visible_flag);
}

TEST_F(CefBrowserUITest, LayoutFitsTheBrowsersWindowAndANullRectangleLeavesIt) {
  Opened opened = OpenBrowserWindow(&events_);
  HWND browser_window = BrowserWindowOf(opened.browser);
  main_.Run([&] { SetWindowPos(opened.hwnd, NULL, 200, 100, 400, 300, SWP_NOZORDER); });
  ASSERT_TRUE(duilib::testing::Paint(opened.hwnd));
  EXPECT_EQ(Rect(200, 100, 400, 300), Describe(browser_window).rect);

  ASSERT_TRUE(WithBrowserControl(opened.hwnd, [](CCefBrowserUI* control) {
    control->SetPos(RECT{0, 0, 0, 0});
  }));
  EXPECT_EQ(Rect(200, 100, 400, 300), Describe(browser_window).rect);

  ASSERT_TRUE(WithBrowserControl(opened.hwnd, [](CCefBrowserUI* control) {
    control->SetPos(RECT{10, 20, 110, 70});
  }));
  EXPECT_EQ(Rect(210, 120, 100, 50), Describe(browser_window).rect);
}

TEST_F(CefBrowserUITest, VisibilityCallsShowOrHideOnlyTheBrowsersWindow) {
  Opened opened = OpenBrowserWindow(&events_);
  HWND browser_window = BrowserWindowOf(opened.browser);
  ASSERT_TRUE(WithBrowserControl(opened.hwnd, [&](CCefBrowserUI* control) {
    control->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(browser_window));
    EXPECT_TRUE(control->IsVisible());
    control->SetInternVisible(true);
    EXPECT_TRUE(IsWindowVisible(browser_window));
    control->SetInternVisible(false);
    EXPECT_FALSE(IsWindowVisible(browser_window));
    control->SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(browser_window));
  }));
}

TEST_F(CefBrowserUITest, NavigationGoesToTheBrowserOnlyWhereItCan) {
  Opened opened = OpenBrowserWindow(&events_);
  ASSERT_TRUE(WithBrowserControl(opened.hwnd, [](CCefBrowserUI* control) {
    control->GoBack();
    control->GoForward();
    control->LoadURL("http://www.vantellis.example/news");
  }));
  cef::testing::BrowserActivity activity = cef::testing::ActivityOf(opened.browser);
  EXPECT_EQ(0, activity.go_back);
  EXPECT_EQ(0, activity.go_forward);
  ASSERT_EQ(1u, activity.load_urls.size());
  EXPECT_EQ(CefString("http://www.vantellis.example/news"), activity.load_urls[0].url);
  EXPECT_TRUE(activity.load_urls[0].frame.empty());

  cef::testing::PageLoad first;
  first.url = "http://www.vantellis.example/1";
  cef::testing::PageLoad second;
  second.url = "http://www.vantellis.example/2";
  cef::testing::LoadPage(opened.browser, first);
  cef::testing::LoadPage(opened.browser, second);
  ASSERT_TRUE(WithBrowserControl(opened.hwnd, [](CCefBrowserUI* control) {
    control->GoForward();
    control->GoBack();
  }));
  activity = cef::testing::ActivityOf(opened.browser);
  EXPECT_EQ(1, activity.go_back);
  EXPECT_EQ(0, activity.go_forward);
}
