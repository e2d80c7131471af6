// The login window as the player meets it: the start page, the hand-over to the game, its
// buttons, popups and the exit question.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

#include "app/app_config.h"
#include "cef/testing/engine.h"
#include "launcher_fixture.h"
#include "products/product.h"
#include "win32/testing/desktop_records.h"
#include "win32/testing/scripted_user.h"
#include "win32/testing/window_view.h"

namespace {

using win32::testing::Describe;
using win32::testing::WaitUntil;

typedef LauncherTest LoginWindowTest;

TEST_F(LoginWindowTest, ShowsTheLoadingLabelUntilTheStartPageCoversTheBrowserArea) {
  const HWND login = LoginWnd();
  const auto info = Describe(login);
  EXPECT_EQ(info->caption, kLoginCaption);
  EXPECT_EQ(info->rect.right - info->rect.left, 1164);
  EXPECT_EQ(info->icon_resource_id, 101);
  std::wstring label;
  duilib::testing::WithPaintManager(login, [&](DuiLib::CPaintManagerUI& manager) {
    auto* area = dynamic_cast<DuiLib::CContainerUI*>(manager.FindControl(L"browserwnd"));
    if (area && area->GetCount() == 1) label = area->GetItemAt(0)->GetText().GetData();
  });
  EXPECT_EQ(label, L"正在加載，请稍等......");

  CefRefPtr<CefBrowser> browser = BrowserOf(login);
  ASSERT_TRUE(browser);
  EXPECT_EQ(cef::testing::RequestedUrl(browser), CefString(kStartPage));
  const HWND browserWnd = BrowserWndOf(login);
  EXPECT_FALSE(IsVisible(browserWnd));

  cef::testing::PageLoad load;
  load.url = kStartPage;
  EXPECT_TRUE(cef::testing::LoadPage(browser, load));
  ASSERT_TRUE(WaitUntil([&] { return IsVisible(browserWnd); }));
  const RECT area = Control(login, L"browserwnd")->rect;
  const RECT placed = Describe(browserWnd)->rect;
  EXPECT_EQ(placed.left - info->rect.left, area.left);
  EXPECT_EQ(placed.top - info->rect.top, area.top);
  EXPECT_EQ(placed.right - placed.left, 600);
  EXPECT_EQ(placed.bottom - placed.top, 360);
}

TEST_F(LoginWindowTest, ClientMarkHandsOverToAMaximisedGameWindow) {
  CefRefPtr<CefBrowser> loginBrowser = BrowserOf(LoginWnd());
  const HWND mainWnd = HandOver();
  ASSERT_TRUE(mainWnd);
  const auto activity = cef::testing::ActivityOf(loginBrowser);
  EXPECT_EQ(activity.stop_load, 1);
  EXPECT_EQ(activity.go_back, 1);
  EXPECT_FALSE(IsVisible(LoginWnd()));

  // The game window lives on the engine's browser thread, the login window on the main one.
  DWORD uiThread = 0;
  ASSERT_TRUE(cef::testing::RunOnUiThread([&] { uiThread = GetCurrentThreadId(); }));
  const auto info = Describe(mainWnd);
  EXPECT_EQ(info->thread_id, uiThread);
  EXPECT_EQ(Describe(BrowserWndOf(mainWnd))->thread_id, uiThread);
  EXPECT_NE(Describe(LoginWnd())->thread_id, uiThread);
  EXPECT_EQ(info->caption, kProductName);
  EXPECT_EQ(info->icon_resource_id, 101);
  EXPECT_TRUE(WaitUntil([&] { return Control(mainWnd, L"restorebtn")->visible; }));
  EXPECT_FALSE(Control(mainWnd, L"maxbtn")->visible);
  CefRefPtr<CefBrowser> gameBrowser = BrowserOf(mainWnd);
  ASSERT_TRUE(gameBrowser);
  EXPECT_EQ(cef::testing::RequestedUrl(gameBrowser), CefString(kGameUrl));
  EXPECT_TRUE(IsVisible(BrowserWndOf(mainWnd)));
}

TEST_F(LoginWindowTest, EveryExactClientMarkInAnyFrameOpensAnotherGameWindow) {
  CefRefPtr<CefBrowser> browser = BrowserOf(LoginWnd());
  for (const wchar_t* url : {L"http://www.vantellis.example/micro/?CLIENT=1",
                             L"http://www.vantellis.example/micro/?client%3D1"}) {
    cef::testing::PageLoad load;
    load.url = url;
    load.transition = TT_LINK;
    EXPECT_TRUE(cef::testing::LoadPage(browser, load));
  }
  EXPECT_EQ(MainWndCount(), 0);

  const wchar_t subFrameUrl[] = L"http://s1.vantellis.example/frame?client=12";
  const HWND first = HandOver(subFrameUrl, L"loginframe");
  EXPECT_EQ(AppConfig::GetInstance()->GetGameUrl(), DuiLib::CDuiString(subFrameUrl));
  const HWND second = HandOver();
  EXPECT_EQ(AppConfig::GetInstance()->GetGameUrl(), DuiLib::CDuiString(kGameUrl));
  EXPECT_TRUE(first && second && first != second);
  EXPECT_EQ(MainWndCount(), 2);
}

TEST_F(LoginWindowTest, MinimiseButtonEmptiesTheCacheAndMinimises) {
  ASSERT_EQ(mkdir(m_cacheDir.c_str(), 0700), 0);
  std::ofstream(m_cacheDir + "/entry.bin") << "cached";
  ClickControl(LoginWnd(), L"frame_minbtn");
  EXPECT_TRUE(WaitUntil([&] { return Describe(LoginWnd())->minimized; }));
  struct stat st;
  EXPECT_NE(stat((m_cacheDir + "/entry.bin").c_str(), &st), 0);
}

TEST_F(LoginWindowTest, PopupsOpenOnlyWebAddressesInTheDefaultBrowser) {
  CefRefPtr<CefBrowser> browser = BrowserOf(LoginWnd());
  for (const wchar_t* url : {L"http://www.vantellis.example/news", L"file:///C:/Windows/win.ini",
                             L"C:\\Windows\\notepad.exe", L""}) {
    cef::testing::PopupRequest request;
    request.target_url = url;
    EXPECT_TRUE(cef::testing::RequestPopup(browser, request).suppressed) << CefString(url);
  }
  const auto opens = win32::testing::ShellOpens();
  ASSERT_EQ(opens.size(), 1u);
  EXPECT_EQ(opens[0].file, L"http://www.vantellis.example/news");
  EXPECT_EQ(opens[0].verb, L"open");
  EXPECT_EQ(opens[0].show_command, SW_SHOW);
}

TEST_F(LoginWindowTest, AnswersBridgeMessagesThatCarryARequest) {
  CefRefPtr<CefBrowser> browser = BrowserOf(LoginWnd());
  const struct {
    const char* name;
    int arguments;
    bool handled;
  } cases[] = {{"jsCallMsg", 0, false}, {"jsCallMsg", 1, true}, {"jsCallMsg", 3, true},
               {"JSCALLMSG", 1, false}};
  for (const auto& c : cases) {
    CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create(c.name);
    for (int i = 0; i < c.arguments; ++i) message->GetArgumentList()->SetString(i, "x");
    EXPECT_EQ(cef::testing::SendToBrowser(browser, message), c.handled) << c.name << c.arguments;
  }
}

TEST_F(LoginWindowTest, ExitQuestionKeepsTheProgramOnNoAndEndsItWithZeroOnYes) {
  const HWND login = LoginWnd();
  ASSERT_TRUE(win32::testing::SystemCommand(login, SC_CLOSE));
  ClickControl(login, L"frame_closebtn");
  EXPECT_TRUE(IsVisible(login));

  const HWND browserWnd = BrowserWndOf(login);
  EXPECT_EQ(CloseProgram(), 0);
  EXPECT_FALSE(IsWindow(browserWnd));
  const auto boxes = win32::testing::MessageBoxes();
  ASSERT_EQ(boxes.size(), 3u);
  for (const auto& box : boxes) {
    EXPECT_EQ(box.owner, login);
    EXPECT_EQ(box.text, kExitQuestion);
    EXPECT_EQ(box.caption, kProductName);
    EXPECT_EQ(box.type, static_cast<UINT>(MB_YESNO));
  }
}

}  // namespace
