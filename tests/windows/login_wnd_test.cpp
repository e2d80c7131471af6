// The login window as the player meets it: the start page, the hand-over to the game, its
// buttons and the exit question.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

#include "app/app_config.h"
#include "launcher_fixture.h"
#include "products/product.h"
#include "win32/testing/desktop_records.h"
#include "win32/testing/scripted_user.h"
#include "win32/testing/window_view.h"

namespace {

using win32::testing::WaitUntil;

typedef LauncherTest LoginWindowTest;

TEST_F(LoginWindowTest, ShowsTheLoadingLabelUntilTheStartPageHasLoaded) {
  const HWND login = LoginWnd();
  const auto info = win32::testing::Describe(login);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->caption, kLoginCaption);
  EXPECT_EQ(info->rect.right - info->rect.left, 1164);
  EXPECT_EQ(info->rect.bottom - info->rect.top, 717);
  EXPECT_EQ(info->icon_resource_id, 101);

  CefRefPtr<CefBrowser> browser = BrowserOf(login);
  ASSERT_TRUE(browser);
  EXPECT_EQ(cef::testing::RequestedUrl(browser), CefString(kStartPage));
  const HWND browserWnd = BrowserWndOf(login);
  EXPECT_FALSE(IsVisible(browserWnd));

  cef::testing::PageLoad load;
  load.url = kStartPage;
  EXPECT_TRUE(cef::testing::LoadPage(browser, load));

  ASSERT_TRUE(WaitUntil([&] { return IsVisible(browserWnd); }));
  const auto area = Control(login, L"browserwnd");
  ASSERT_TRUE(area);
  const auto placed = win32::testing::Describe(browserWnd);
  EXPECT_EQ(placed->rect.left - info->rect.left, area->rect.left);
  EXPECT_EQ(placed->rect.top - info->rect.top, area->rect.top);
  EXPECT_EQ(placed->rect.right - placed->rect.left, 600);
  EXPECT_EQ(placed->rect.bottom - placed->rect.top, 360);
}

TEST_F(LoginWindowTest, LoadingLabelNamesTheWait) {
  std::optional<duilib::testing::ControlInfo> label;
  duilib::testing::WithPaintManager(LoginWnd(), [&](DuiLib::CPaintManagerUI& manager) {
    DuiLib::CControlUI* area = manager.FindControl(L"browserwnd");
    ASSERT_TRUE(area);
    DuiLib::CContainerUI* container = dynamic_cast<DuiLib::CContainerUI*>(area);
    ASSERT_TRUE(container && container->GetCount() == 1);
    label.emplace();
    label->text = container->GetItemAt(0)->GetText().GetData();
    label->visible = container->GetItemAt(0)->IsVisible();
  });
  ASSERT_TRUE(label);
  EXPECT_EQ(label->text, L"正在加載，请稍等......");
  EXPECT_TRUE(label->visible);
}

TEST_F(LoginWindowTest, ClientMarkInTheMainFrameHandsOverToAMaximisedGameWindow) {
  CefRefPtr<CefBrowser> loginBrowser = BrowserOf(LoginWnd());
  const HWND mainWnd = HandOver();
  ASSERT_TRUE(mainWnd);

  const auto activity = cef::testing::ActivityOf(loginBrowser);
  EXPECT_EQ(activity.stop_load, 1);
  EXPECT_EQ(activity.go_back, 1);
  EXPECT_EQ(AppConfig::GetInstance()->GetGameUrl(), DuiLib::CDuiString(kGameUrl));
  EXPECT_FALSE(IsVisible(LoginWnd()));

  const auto info = win32::testing::Describe(mainWnd);
  EXPECT_EQ(info->caption, kProductName);
  EXPECT_EQ(info->icon_resource_id, 101);
  EXPECT_TRUE(WaitUntil([&] { return Control(mainWnd, L"restorebtn")->visible; }));
  EXPECT_FALSE(Control(mainWnd, L"maxbtn")->visible);

  CefRefPtr<CefBrowser> gameBrowser = BrowserOf(mainWnd);
  ASSERT_TRUE(gameBrowser);
  EXPECT_EQ(cef::testing::RequestedUrl(gameBrowser), CefString(kGameUrl));
  EXPECT_TRUE(IsVisible(BrowserWndOf(mainWnd)));
}

TEST_F(LoginWindowTest, ClientMarkInASubFrameHandsOverAsWell) {
  const wchar_t url[] = L"http://s1.vantellis.example/frame?client=12";
  const HWND mainWnd = HandOver(url, L"loginframe");
  ASSERT_TRUE(mainWnd);
  EXPECT_EQ(AppConfig::GetInstance()->GetGameUrl(), DuiLib::CDuiString(url));
  EXPECT_FALSE(IsVisible(LoginWnd()));
}

TEST_F(LoginWindowTest, AddressesWithoutTheExactClientMarkStayInTheLoginPage) {
  CefRefPtr<CefBrowser> browser = BrowserOf(LoginWnd());
  for (const wchar_t* url : {L"http://www.vantellis.example/micro/?CLIENT=1",
                             L"http://www.vantellis.example/micro/?client=2",
                             L"http://www.vantellis.example/micro/?client%3D1"}) {
    cef::testing::PageLoad load;
    load.url = url;
    load.transition = TT_LINK;
    EXPECT_TRUE(cef::testing::LoadPage(browser, load));
  }
  EXPECT_EQ(cef::testing::ActivityOf(browser).stop_load, 0);
  EXPECT_EQ(MainWndCount(), 0);
  EXPECT_TRUE(IsVisible(LoginWnd()));
}

TEST_F(LoginWindowTest, EveryHandOverOpensAnotherGameWindow) {
  const HWND first = HandOver();
  const HWND second = HandOver(L"http://s4.vantellis.example/?client=1");
  ASSERT_TRUE(first && second);
  EXPECT_NE(first, second);
  EXPECT_EQ(MainWndCount(), 2);
}

TEST_F(LoginWindowTest, MinimiseButtonEmptiesTheCacheAndMinimises) {
  ASSERT_EQ(mkdir(m_cacheDir.c_str(), 0700), 0);
  std::ofstream(m_cacheDir + "/entry.bin") << "cached";
  ClickControl(LoginWnd(), L"frame_minbtn");
  EXPECT_TRUE(WaitUntil([&] { return win32::testing::Describe(LoginWnd())->minimized; }));
  struct stat st;
  EXPECT_NE(stat((m_cacheDir + "/entry.bin").c_str(), &st), 0);
}

TEST_F(LoginWindowTest, PopupsOpenOnlyWebAddressesInTheDefaultBrowser) {
  CefRefPtr<CefBrowser> browser = BrowserOf(LoginWnd());
  for (const wchar_t* url : {L"http://www.vantellis.example/news", L"https://example.org/help",
                             L"file:///C:/Windows/win.ini", L"C:\\Windows\\notepad.exe", L""}) {
    cef::testing::PopupRequest request;
    request.target_url = url;
    EXPECT_TRUE(cef::testing::RequestPopup(browser, request).suppressed) << CefString(url);
  }
  const auto opens = win32::testing::ShellOpens();
  ASSERT_EQ(opens.size(), 2u);
  EXPECT_EQ(opens[0].file, L"http://www.vantellis.example/news");
  EXPECT_EQ(opens[0].verb, L"open");
  EXPECT_EQ(opens[0].show_command, SW_SHOW);
  EXPECT_EQ(opens[1].file, L"https://example.org/help");
  EXPECT_TRUE(IsVisible(LoginWnd()));
}

TEST_F(LoginWindowTest, AnswersBridgeMessagesThatCarryARequest) {
  CefRefPtr<CefBrowser> browser = BrowserOf(LoginWnd());
  const struct {
    const char* name;
    int arguments;
    bool handled;
  } cases[] = {{"jsCallMsg", 0, false}, {"jsCallMsg", 1, true}, {"jsCallMsg", 3, true},
               {"clientMsg", 1, false}, {"JSCALLMSG", 1, false}};
  for (const auto& c : cases) {
    CefRefPtr<CefProcessMessage> message = CefProcessMessage::Create(c.name);
    for (int i = 0; i < c.arguments; ++i) message->GetArgumentList()->SetString(i, "x");
    EXPECT_EQ(cef::testing::SendToBrowser(browser, message), c.handled)
        << c.name << " with " << c.arguments;
  }
}

TEST_F(LoginWindowTest, ExitQuestionAnsweredNoKeepsTheProgramRunning) {
  const HWND login = LoginWnd();
  AnswerMessageBoxes(IDNO);
  ASSERT_TRUE(win32::testing::SystemCommand(login, SC_CLOSE));
  Settle(login);
  ClickControl(login, L"frame_closebtn");

  const auto boxes = win32::testing::MessageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  for (const auto& box : boxes) {
    EXPECT_EQ(box.owner, login);
    EXPECT_EQ(box.text, kExitQuestion);
    EXPECT_EQ(box.caption, kProductName);
    EXPECT_EQ(box.type, static_cast<UINT>(MB_YESNO));
  }
  EXPECT_TRUE(IsVisible(login));
}

TEST_F(LoginWindowTest, ExitQuestionAnsweredYesEndsTheProgramWithZero) {
  const HWND browserWnd = BrowserWndOf(LoginWnd());
  EXPECT_EQ(CloseProgram(), 0);
  EXPECT_FALSE(IsWindow(browserWnd));
  EXPECT_EQ(win32::testing::MessageBoxes().size(), 1u);
}

}  // namespace
