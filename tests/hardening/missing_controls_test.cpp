// Skins that lack a control the launcher looks up by name.
#include <gtest/gtest.h>

#include "cef/testing/browsers.h"
#include "cef/testing/engine.h"
#include "cef/testing/page.h"
#include "duilib/testing/window_inspection.h"
#include "lone_window_fixture.h"

TEST_F(LoneWindowTest, LoginSkinWithoutBrowserHostStillHandsOverToTheGame) {
  UseSkinFilesWithout("login.xml", "browserwnd");
  HWND login = OpenLoginWindow();
  ASSERT_TRUE(IsWindow(login));
  CefRefPtr<CefBrowser> browser = BrowserOf(login);
  ASSERT_TRUE(browser);
  cef::testing::PageLoad start;
  start.url = "http://www.vantellis.example/micro/";
  EXPECT_TRUE(cef::testing::LoadPage(browser, start));  // its load end finds no host

  EXPECT_NE(HandOver(browser), nullptr);
  EXPECT_TRUE(IsWindow(login));
}

TEST_F(LoneWindowTest, BrowserSkinWithoutBrowserControlGivesALoginWindowWithoutABrowser) {
  UseSkinFilesWithout("browser.xml", "cefbrowser");
  HWND login = OpenLoginWindow();
  ASSERT_TRUE(IsWindow(login));
  main_.Run([] {});
  ASSERT_TRUE(cef::testing::WaitForUiIdle());
  EXPECT_TRUE(cef::testing::Browsers().empty());
  EXPECT_TRUE(duilib::testing::DescribeControl(login, L"browserwnd").has_value());
}

TEST_F(LoneWindowTest, MainSkinWithoutTitleLabelIgnoresPageTitles) {
  UseSkinFilesWithout("main.xml", "title");
  HWND login = OpenLoginWindow();
  CefRefPtr<CefBrowser> loginBrowser = BrowserOf(login);
  ASSERT_TRUE(loginBrowser);
  HWND game = HandOver(loginBrowser);
  ASSERT_NE(game, nullptr);
  CefRefPtr<CefBrowser> gameBrowser = BrowserOf(game);
  ASSERT_TRUE(gameBrowser);

  cef::testing::ChangeTitle(gameBrowser, "新的标题");
  cef::testing::ChangeTitle(gameBrowser, "");
  EXPECT_TRUE(IsWindow(game));
  EXPECT_FALSE(duilib::testing::DescribeControl(game, L"title").has_value());
}

TEST_F(LoneWindowTest, MainSkinWithoutBrowserHostStillOpensTheGamePage) {
  UseSkinFilesWithout("main.xml", "browserwnd");
  HWND login = OpenLoginWindow();
  CefRefPtr<CefBrowser> loginBrowser = BrowserOf(login);
  ASSERT_TRUE(loginBrowser);
  HWND game = HandOver(loginBrowser);
  ASSERT_NE(game, nullptr);
  CefRefPtr<CefBrowser> gameBrowser = BrowserOf(game);
  ASSERT_TRUE(gameBrowser);
  EXPECT_EQ(kHandOverUrl, cef::testing::RequestedUrl(gameBrowser).ToString());
}
