// The game window's frame as the player uses it: title-bar buttons, settings menu, tray icon,
// boss key and leaving the game.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

#include "app/app_config.h"
#include "launcher_fixture.h"
#include "products/product.h"
#include "win32/testing/desktop_records.h"
#include "win32/testing/scripted_user.h"
#include "win32/testing/window_view.h"
#include "windows/main_wnd.h"
#include "windows/window_messages.h"

namespace {

using win32::testing::Describe;
using win32::testing::WaitUntil;

class MainWindowTest : public LauncherTest {
 protected:
  void SetUp() override {
    LauncherTest::SetUp();
    m_main = HandOver();
    ASSERT_TRUE(m_main);
  }

  bool ShowsRestoreButton() const {
    return Control(m_main, L"restorebtn")->visible && !Control(m_main, L"maxbtn")->visible;
  }
  void PressBossKey() {
    ASSERT_TRUE(win32::testing::PressHotKey(MOD_ALT, 'Q'));
    Settle(m_main);
  }
  void ClickTray(UINT mouseMessage) {
    ASSERT_TRUE(win32::testing::ClickTrayIcon(m_main, win32::testing::TrayIcons().at(0).id,
                                              mouseMessage));
    Settle(m_main);
  }
  int ReloadsIgnoringCache() const {
    return cef::testing::ActivityOf(BrowserOf(m_main)).reload_ignore_cache;
  }

  HWND m_main = NULL;
};

TEST_F(MainWindowTest, OffersTrayIconAndBossKeyAndKeepsItsSkinsSmallestSize) {
  const auto hotKeys = win32::testing::HotKeys();
  ASSERT_EQ(hotKeys.size(), 1u);
  EXPECT_EQ(hotKeys[0].hwnd, m_main);
  EXPECT_EQ(hotKeys[0].modifiers, static_cast<UINT>(MOD_ALT));
  EXPECT_EQ(hotKeys[0].virtual_key, static_cast<UINT>('Q'));
  const auto icons = win32::testing::TrayIcons();
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0].tip, kProductName);
  EXPECT_EQ(icons[0].callback_message, static_cast<UINT>(WM_TRAY_NOTIFY));
  EXPECT_EQ(icons[0].icon_resource_id, 101);

  MINMAXINFO info = {};
  SendMessageW(m_main, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 800);
  EXPECT_EQ(info.ptMinTrackSize.y, 572);
}

TEST_F(MainWindowTest, TitleButtonsSwapWithTheWindowState) {
  ASSERT_TRUE(WaitUntil([&] { return ShowsRestoreButton(); }));
  ClickControl(m_main, L"restorebtn");
  EXPECT_FALSE(Describe(m_main)->maximized);
  EXPECT_FALSE(ShowsRestoreButton());
  ClickControl(m_main, L"maxbtn");
  EXPECT_TRUE(Describe(m_main)->maximized);
  EXPECT_TRUE(ShowsRestoreButton());
  ClickControl(m_main, L"minbtn");
  EXPECT_TRUE(Describe(m_main)->minimized);
  EXPECT_FALSE(ShowsRestoreButton());
}

TEST_F(MainWindowTest, HideButtonAndBossKeyShareOneStateThatOutlivesTheWindow) {
  ClickControl(m_main, L"hidebtn");
  EXPECT_FALSE(IsVisible(m_main));
  EXPECT_FALSE(IsVisible(BrowserWndOf(m_main)));
  PressBossKey();
  EXPECT_TRUE(IsVisible(m_main));
  EXPECT_TRUE(IsVisible(BrowserWndOf(m_main)));
  PressBossKey();
  EXPECT_FALSE(IsVisible(m_main));
  EXPECT_FALSE(g_bMainWndVisible);

  AnswerMessageBoxes(IDYES);
  PostMessageW(m_main, WM_COMMAND, IDM_EXIT, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(m_main); }));
  m_main = HandOver(L"http://s5.vantellis.example/?client=1");
  ASSERT_TRUE(m_main);
  PressBossKey();
  EXPECT_TRUE(IsVisible(m_main));
  EXPECT_TRUE(g_bMainWndVisible);
}

TEST_F(MainWindowTest, TrayClickTogglesShownHiddenAndMinimisedWindows) {
  ClickTray(WM_LBUTTONUP);
  EXPECT_FALSE(IsVisible(m_main));
  ClickTray(WM_LBUTTONUP);
  EXPECT_TRUE(IsVisible(m_main));
  EXPECT_TRUE(Describe(m_main)->maximized);
  ClickControl(m_main, L"minbtn");
  ClickTray(WM_LBUTTONUP);
  EXPECT_TRUE(IsVisible(m_main));
  EXPECT_FALSE(Describe(m_main)->minimized);
  ClickTray(WM_LBUTTONDOWN);
  EXPECT_TRUE(IsVisible(m_main));

  // The tray leaves the boss key's state alone: the first Alt+Q after a tray hide only
  // catches up with it.
  ClickTray(WM_LBUTTONUP);
  PressBossKey();
  EXPECT_FALSE(IsVisible(m_main));
  PressBossKey();
  EXPECT_TRUE(IsVisible(m_main));
}

TEST_F(MainWindowTest, TrayMenuOffersExitAboveTheCursor) {
  ChooseMenuItems(IDM_EXIT);
  ASSERT_TRUE(SetCursorPos(700, 1000));
  ClickTray(WM_RBUTTONUP);
  const auto menus = win32::testing::Menus();
  ASSERT_EQ(menus.size(), 1u);
  ASSERT_EQ(menus[0].items.size(), 1u);
  EXPECT_EQ(menus[0].items[0].text, L"退出");
  EXPECT_EQ(menus[0].x, 700);
  EXPECT_EQ(menus[0].y, 980);
  ASSERT_EQ(win32::testing::MessageBoxes().size(), 1u);
  EXPECT_TRUE(IsWindow(m_main));
}

TEST_F(MainWindowTest, SettingsMenuReloadsBypassingTheCacheOrEmptiesTheCache) {
  ChooseMenuItems(IDM_RELOAD);
  ClickControl(m_main, L"menubtn");
  const auto menus = win32::testing::Menus();
  ASSERT_EQ(menus.size(), 1u);
  ASSERT_EQ(menus[0].items.size(), 2u);
  EXPECT_EQ(menus[0].items[0].text, L"重新整理");
  EXPECT_EQ(menus[0].items[1].text, L"清除緩存");
  const RECT button = Control(m_main, L"menubtn")->rect;
  POINT corner = {button.left, button.bottom};
  ClientToScreen(m_main, &corner);
  EXPECT_EQ(menus[0].x, corner.x);
  EXPECT_EQ(menus[0].y, corner.y);
  EXPECT_EQ(ReloadsIgnoringCache(), 1);

  ASSERT_EQ(mkdir(m_cacheDir.c_str(), 0700), 0);
  std::ofstream(m_cacheDir + "/entry.bin") << "cached";
  ChooseMenuItems(IDM_CLEAR_CACHE);
  ClickControl(m_main, L"menubtn");
  struct stat st;
  EXPECT_NE(stat((m_cacheDir + "/entry.bin").c_str(), &st), 0);
  EXPECT_EQ(ReloadsIgnoringCache(), 1);
}

TEST_F(MainWindowTest, CommandWithANotificationCodeInItsHighWordDoesNothing) {
  PostMessageW(m_main, WM_COMMAND, MAKEWPARAM(IDM_EXIT, 1), 0);
  PostMessageW(m_main, WM_COMMAND, MAKEWPARAM(IDM_RELOAD, 1), 0);
  Settle(m_main);
  EXPECT_TRUE(win32::testing::MessageBoxes().empty());
  EXPECT_EQ(ReloadsIgnoringCache(), 0);
}

TEST_F(MainWindowTest, LeavingTheGameAsksAndOnYesReturnsToAReloadedLoginWindow) {
  ClickControl(m_main, L"closebtn");
  ASSERT_TRUE(win32::testing::SystemCommand(m_main, SC_CLOSE));
  Settle(m_main);
  EXPECT_TRUE(IsVisible(m_main));
  EXPECT_FALSE(IsVisible(LoginWnd()));

  CefRefPtr<CefBrowser> loginBrowser = BrowserOf(LoginWnd());
  const HWND gameBrowserWnd = BrowserWndOf(m_main);
  AnswerMessageBoxes(IDYES);
  ClickControl(m_main, L"closebtn");
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(m_main); }));
  EXPECT_FALSE(IsWindow(gameBrowserWnd));
  EXPECT_TRUE(win32::testing::TrayIcons().empty());
  EXPECT_TRUE(WaitUntil([&] { return IsVisible(LoginWnd()); }));
  EXPECT_TRUE(WaitUntil([&] { return cef::testing::ActivityOf(loginBrowser).reload == 1; }));
  EXPECT_EQ(cef::testing::ActivityOf(loginBrowser).reload_ignore_cache, 0);

  const auto boxes = win32::testing::MessageBoxes();
  ASSERT_EQ(boxes.size(), 3u);
  for (const auto& box : boxes) {
    EXPECT_EQ(box.owner, m_main);
    EXPECT_EQ(box.text, kExitQuestion);
    EXPECT_EQ(box.caption, kProductName);
    EXPECT_EQ(box.type, static_cast<UINT>(MB_YESNO));
  }
}

// No product's skin carries the link buttons; a skin that does gets them opened through the
// same web-address gate as popups.
TEST_F(MainWindowTest, PayButtonOpensThePayLinkOnlyWhileItIsAWebAddress) {
  AppConfig* config = AppConfig::GetInstance();
  const DuiLib::CDuiString before = config->GetPayLink();
  duilib::testing::WithPaintManager(m_main, [](DuiLib::CPaintManagerUI& manager) {
    DuiLib::CButtonUI* button = new DuiLib::CButtonUI();
    button->SetName(L"PayBtn");
    button->SetFixedWidth(40);
    static_cast<DuiLib::CContainerUI*>(manager.FindControl(L"header"))->Add(button);
  });
  ClickControl(m_main, L"PayBtn");
  config->SetPayLink(L"file:///C:/Windows/System32/cmd.exe");
  ClickControl(m_main, L"PayBtn");
  config->SetPayLink(before.GetData());

  const auto opens = win32::testing::ShellOpens();
  ASSERT_EQ(opens.size(), 1u);
  EXPECT_EQ(opens[0].file, kDefaultPayLink);
}

}  // namespace
